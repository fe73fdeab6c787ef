#pragma once
// The about box: the icon, the program name with its version and the build date.
#include <QDialog>

class QLabel;

namespace shell {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kBuildDateId = 1000;

  explicit CAboutDlg(QWidget* parent = nullptr);

  QString VersionText() const;
  QString BuildDateText() const;

 private:
  QLabel* version_ = nullptr;
  QLabel* buildDate_ = nullptr;
};

}  // namespace shell
