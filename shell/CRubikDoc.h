#pragma once
// The session document: the main frame's 3D view (cube, history, camera) as
// one .rvs file, with the commands new (Ctrl+N), open, save and save as, the
// recent-file list, the revert and save-changes questions and the modified mark.
// The document holds no cube data of its own; it reads and writes the view's.
#include <QObject>
#include <QString>
#include <functional>

#include "shell/RecentFileList.h"

namespace shell {

class CMainFrame;

class CRubikDoc : public QObject {
  Q_OBJECT

 public:
  explicit CRubikDoc(QObject* parent = nullptr);

  // The frame whose view the document reads and writes; without one, opening
  // and saving read and write nothing.
  void Attach(CMainFrame* frame);

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true);
  const QString& PathName() const { return path_; }
  void SetPathName(const QString& path);
  // The document's name in the window title: the file name, or "魔方" when new.
  QString Title() const;
  const RecentFileList& RecentFiles() const { return recent_; }

  // The commands, with their questions and messages.
  void OnFileNew();
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  // Opens `path` as the open command does once a name is chosen: the revert
  // question for the open, modified file, else "Save changes to %1?" first.
  // False when nothing was opened (cancelled or refused).
  bool OpenDocumentFile(const QString& path);
  // An entry of the recent list; it leaves the list when it cannot be opened.
  void OpenRecentFile(int index);
  // "Save changes to %1?" while modified; false when the user cancels or the save fails.
  bool SaveModified();

  // Without questions. A refused file changes nothing at all.
  enum class LoadResult { Opened, Refused, Unreadable };
  LoadResult OnOpenDocument(const QString& path);
  bool OnSaveDocument(const QString& path);

  // Asks for a file to open or save (QFileDialog); an empty text cancels.
  // Tests put their own answer here.
  std::function<QString(bool forSave, const QString& suggested)> askFileName;

 signals:
  void titleChanged();
  void recentFilesChanged();

 private:
  bool DoSave(const QString& path);
  void ReportError(const QString& text);
  static QString AbsolutePath(const QString& path);

  CMainFrame* frame_ = nullptr;
  bool modified_ = false;
  QString path_;
  RecentFileList recent_;
};

// Opens the document named on the command line (the first argument after the
// program), if any. False when it could not be opened: start-up then ends.
bool ProcessShellCommand(CRubikDoc& doc, const QStringList& arguments);

}  // namespace shell
