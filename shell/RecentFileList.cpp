#include "shell/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace shell {

namespace {
constexpr const char* kSection = "Recent File List";
constexpr int kMaxShownLength = 48;  // longer paths keep their ends around "..."

QString EntryName(int index) { return QStringLiteral("File%1").arg(index + 1); }
}  // namespace

void RecentFileList::Load() {
  QSettings store;
  store.beginGroup(kSection);
  files_.clear();
  for (int i = 0; i < kSize; ++i) {
    const QString path = store.value(EntryName(i)).toString();
    if (!path.isEmpty() && !files_.contains(path)) files_.append(path);
  }
}

void RecentFileList::Save() const {
  QSettings store;
  store.beginGroup(kSection);
  for (int i = 0; i < kSize; ++i) {
    if (i < files_.size())
      store.setValue(EntryName(i), files_.at(i));
    else
      store.remove(EntryName(i));
  }
}

void RecentFileList::Add(const QString& path) {
  files_.removeAll(path);
  files_.prepend(path);
  while (files_.size() > kSize) files_.removeLast();
  Save();
}

void RecentFileList::Remove(int index) {
  if (index < 0 || index >= files_.size()) return;
  files_.removeAt(index);
  Save();
}

QString RecentFileList::MenuText(int index, const QString& path) {
  const QFileInfo info(path);
  QString shown = info.absolutePath() == QDir::currentPath() ? info.fileName()
                                                             : QDir::toNativeSeparators(path);
  if (shown.size() > kMaxShownLength) {
    const int keep = (kMaxShownLength - 3) / 2;
    shown = shown.left(keep) + "..." + shown.right(kMaxShownLength - 3 - keep);
  }
  shown.replace('&', "&&");  // a file name's '&' is not a mnemonic
  return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace shell
