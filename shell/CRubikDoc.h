#pragma once
// The session document shown by the main frame's views. For now it carries
// the path and the modified mark; reading and writing session files build on it.
#include <QObject>
#include <QString>

namespace shell {

class CRubikDoc : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true);
  const QString& PathName() const { return path_; }
  void SetPathName(const QString& path);
  // The document's name in the window title: the file name, or "魔方" when new.
  QString Title() const;

 signals:
  void titleChanged();

 private:
  bool modified_ = false;
  QString path_;
};

}  // namespace shell
