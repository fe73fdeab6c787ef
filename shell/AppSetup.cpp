#include "shell/AppSetup.h"

#include <QApplication>

#include "shell/AppIcon.h"
#include "shell/Language.h"
#include "shell/SettingsStore.h"

namespace shell {

void SetUpApplication(QApplication& app) {
  RegisterSettingsLocation();
  InstallTranslations(app, ChooseLanguage(QApplication::arguments()));
  QApplication::setWindowIcon(AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("rovan"));  // matches the installed rovan.desktop
}

}  // namespace shell
