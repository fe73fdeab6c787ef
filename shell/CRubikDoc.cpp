#include "shell/CRubikDoc.h"

#include <QFileInfo>

namespace shell {

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
  return path_.isEmpty() ? QStringLiteral("魔方") : QFileInfo(path_).fileName();
}

}  // namespace shell
