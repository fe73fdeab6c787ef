#include "shell/CRubikDoc.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "document/SessionCube.h"
#include "model/FaceVisibility.h"
#include "model/viewmath/ViewMath.h"
#include "shell/CMainFrame.h"
#include "shell/SettingsStore.h"
#include "shell/Texts.h"
#include "view/CRubikView.h"

namespace shell {

namespace {

constexpr const char* kUntitledName = QT_TR_NOOP("魔方");
constexpr const char* kExtension = "rvs";
constexpr const char* kOpenCaption = QT_TR_NOOP("打开");
constexpr const char* kSaveAsCaption = QT_TR_NOOP("另存为");
constexpr const char* kFilter = QT_TR_NOOP("魔方文档 (*.rvs);;所有文件 (*)");
constexpr const char* kUnexpectedFormat = "Unexpected file format.";
constexpr const char* kFailedToOpen = "%1\nFailed to open document.";
constexpr const char* kFailedToSave = "%1\nFailed to save document.";
constexpr const char* kSaveChanges = "Save changes to %1?";
constexpr const char* kRevert = "Revert to saved cube session %1, losing your changes?";

QString AskWithDialog(QWidget* parent, bool forSave, const QString& suggested) {
  const QString filter = ShellText(kFilter);
  if (!forSave) return QFileDialog::getOpenFileName(parent, ShellText(kOpenCaption), QString(), filter);
  QString path = QFileDialog::getSaveFileName(parent, ShellText(kSaveAsCaption), suggested, filter);
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".") + kExtension;
  return path;
}

session::CameraState CameraOf(view::CRubikView& view) {
  return {view.Camera().zoom, view.Trackball().matrix, view.Trackball().moveCount};
}

// Which cube faces the loaded camera shows; the drawing skips the others, so
// they must follow the trackball read from the file, not the one before.
void RefreshFaceVisibility(view::CRubikView& view) {
  const viewmath::ViewSetup setup =
      viewmath::ComputeViewSetup(std::max(view.width(), 1), std::max(view.height(), 1));
  model::gFaceVisibility.visible = viewmath::ComputeFaceVisibility(
      viewmath::ModelViewMatrix(view.Camera(), view.Trackball().matrix), viewmath::Ortho(setup.volume),
      setup.viewport);
}

}  // namespace

CRubikDoc::CRubikDoc(QObject* parent) : QObject(parent) {
  askFileName = [this](bool forSave, const QString& suggested) {
    return AskWithDialog(frame_, forSave, suggested);
  };
}

void CRubikDoc::Attach(CMainFrame* frame) {
  frame_ = frame;
  recent_.Load();
  emit recentFilesChanged();
}

void CRubikDoc::SetModifiedFlag(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit titleChanged();
}

void CRubikDoc::SetPathName(const QString& path) {
  path_ = path;
  emit titleChanged();
}

QString CRubikDoc::Title() const {
  return path_.isEmpty() ? ShellText(kUntitledName) : QFileInfo(path_).fileName();
}

QString CRubikDoc::AbsolutePath(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

void CRubikDoc::ReportError(const QString& text) {
  QMessageBox::warning(frame_, ApplicationTitle(), text);
}

// --- Without questions ------------------------------------------------------

CRubikDoc::LoadResult CRubikDoc::OnOpenDocument(const QString& path) {
  std::vector<std::uint8_t> bytes;
  if (!session::ReadFileBytes(path.toStdString(), bytes)) return LoadResult::Unreadable;
  session::SessionData data;
  const session::ParseResult parsed = session::ParseSession(bytes, data);
  if (parsed == session::ParseResult::Refused) return LoadResult::Refused;
  view::CRubikView* view = frame_ ? frame_->View() : nullptr;
  if (parsed == session::ParseResult::Loaded && view) {
    session::CameraState camera = CameraOf(*view);
    if (session::RestoreSession(data, view->Cube(), camera)) {
      // A new order brings its own camera; only the trackball stays as read.
      view->Camera() = viewmath::ShowViewPreset(data.order, frame_->ProjectionFlag());
    } else {
      view->Camera().zoom = camera.zoom;
    }
    view->Trackball().matrix = camera.trackball;
    view->Trackball().moveCount = camera.moveCounter;
    RefreshFaceVisibility(*view);
    view->update();
  }
  // A file of length 0 opens without changing the session.
  SetPathName(AbsolutePath(path));
  SetModifiedFlag(false);
  recent_.Add(path_);
  emit recentFilesChanged();
  return LoadResult::Opened;
}

bool CRubikDoc::OnSaveDocument(const QString& path) {
  view::CRubikView* view = frame_ ? frame_->View() : nullptr;
  if (!view) return false;
  const auto bytes = session::WriteSession(session::CaptureSession(view->Cube(), CameraOf(*view)));
  if (!session::WriteFileAtomically(path.toStdString(), bytes)) return false;
  SetPathName(AbsolutePath(path));
  SetModifiedFlag(false);
  recent_.Add(path_);
  emit recentFilesChanged();
  return true;
}

// --- The commands -----------------------------------------------------------

bool CRubikDoc::SaveModified() {
  if (!modified_) return true;
  const auto answer = QMessageBox::warning(frame_, ApplicationTitle(), QString(kSaveChanges).arg(Title()),
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::No) return true;
  return DoSave(path_);
}

bool CRubikDoc::DoSave(const QString& path) {
  QString target = path;
  if (target.isEmpty()) {
    const QString suggested = path_.isEmpty() ? ShellText(kUntitledName) + "." + kExtension : path_;
    target = askFileName(true, suggested);
    if (target.isEmpty()) return false;
  }
  if (!OnSaveDocument(target)) {
    ReportError(QString(kFailedToSave).arg(QDir::toNativeSeparators(target)));
    return false;
  }
  return true;
}

void CRubikDoc::OnFileNew() {
  if (!SaveModified()) return;
  // Only the document is new: cube, history and camera stay as they are.
  SetPathName(QString());
  SetModifiedFlag(false);
}

void CRubikDoc::OnFileOpen() {
  const QString path = askFileName(false, QString());
  if (!path.isEmpty()) OpenDocumentFile(path);
}

bool CRubikDoc::OnFileSave() { return DoSave(path_); }
bool CRubikDoc::OnFileSaveAs() { return DoSave(QString()); }

bool CRubikDoc::OpenDocumentFile(const QString& path) {
  const QString absolute = AbsolutePath(path);
  if (!path_.isEmpty() && absolute == path_) {
    if (!modified_) return true;  // already open
    const auto answer = QMessageBox::question(frame_, ApplicationTitle(), QString(kRevert).arg(path_),
                                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return true;  // already open: keep the changes
    SetModifiedFlag(false);
    SetPathName(QString());
  } else if (!SaveModified()) {
    return false;
  }
  switch (OnOpenDocument(absolute)) {
    case LoadResult::Opened:
      return true;
    case LoadResult::Refused:
      ReportError(QString::fromUtf8(kUnexpectedFormat));
      return false;
    case LoadResult::Unreadable:
      ReportError(QString(kFailedToOpen).arg(QDir::toNativeSeparators(absolute)));
      return false;
  }
  return false;
}

void CRubikDoc::OpenRecentFile(int index) {
  if (index < 0 || index >= recent_.Files().size()) return;
  const QString path = recent_.Files().at(index);
  if (OpenDocumentFile(path) || QFileInfo::exists(path)) return;
  recent_.Remove(index);
  emit recentFilesChanged();
}

bool ProcessShellCommand(CRubikDoc& doc, const QStringList& arguments) {
  if (arguments.size() < 2) return true;
  return doc.OpenDocumentFile(arguments.at(1));
}

}  // namespace shell
