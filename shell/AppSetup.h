#pragma once
// What the program sets on its application object before any window exists:
// the settings location, the interface language (shell/Language.h), the icon
// and the desktop file name. No application display name: Qt would append it
// to every window title.
class QApplication;

namespace shell {

void SetUpApplication(QApplication& app);

}  // namespace shell
