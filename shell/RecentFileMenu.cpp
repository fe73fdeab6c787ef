#include "shell/RecentFileMenu.h"

#include <QAction>
#include <QMenu>

#include "shell/CRubikDoc.h"
#include "shell/Texts.h"

namespace shell {

namespace {

constexpr const char* kEntryProperty = "recentFileEntry";
constexpr const char* kPrompt = QT_TR_NOOP("打开该文档");

void Rebuild(QMenu* menu, QAction* before, CRubikDoc& doc) {
  for (QAction* action : menu->actions())
    if (action->property(kEntryProperty).isValid()) {
      // The entry may be the one whose trigger is running now.
      menu->removeAction(action);
      action->deleteLater();
    }
  const QStringList& files = doc.RecentFiles().Files();
  for (int i = 0; i < files.size(); ++i) {
    auto* action = new QAction(RecentFileList::MenuText(i, files.at(i)), menu);
    action->setObjectName(QStringLiteral("command%1").arg(kFirstRecentFileCommand + i));
    action->setData(kFirstRecentFileCommand + i);
    action->setStatusTip(ShellText(kPrompt));
    action->setProperty(kEntryProperty, i);
    QObject::connect(action, &QAction::triggered, &doc, [&doc, i] { doc.OpenRecentFile(i); });
    menu->insertAction(before, action);
  }
  if (!files.isEmpty()) {
    QAction* separator = menu->insertSeparator(before);
    separator->setProperty(kEntryProperty, -1);
  }
}

}  // namespace

void InstallRecentFileMenu(QMenu* menu, QAction* before, CRubikDoc& doc) {
  QObject::connect(&doc, &CRubikDoc::recentFilesChanged, menu,
                   [menu, before, &doc] { Rebuild(menu, before, doc); });
  Rebuild(menu, before, doc);
}

}  // namespace shell
