// rovan: the desktop program.
#include <QApplication>
#include <QMessageBox>

#include "shell/AppIcon.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/SettingsStore.h"
#include "view/Appearance.h"
#include "view/CRubikView.h"
#include "view/GlFormat.h"
#include "view/TurnSounds.h"

int main(int argc, char* argv[]) {
  view::SetDefaultGlFormat();  // before the application object, or GL gets no depth buffer
  QApplication app(argc, argv);
  shell::RegisterSettingsLocation();
  QApplication::setApplicationDisplayName(QString::fromUtf8(shell::kApplicationName));
  QApplication::setWindowIcon(shell::AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("rovan"));  // matches the installed rovan.desktop

  shell::CRubikDoc doc;
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) doc.SetPathName(args.at(1));  // opening files arrives with the session document

  view::TurnSounds sounds;
  shell::LoadSettings();
  {
    const auto colours = shell::LoadFaceColours();
    view::SetFaceColours({colours[0], colours[1], colours[2], colours[3], colours[4], colours[5]});
  }

  shell::CMainFrame frame(doc);
  frame.View()->SetSounds(&sounds);
  frame.show();
  if (!frame.View()->HasContext()) {
    frame.View()->repaint();
    if (!frame.View()->HasContext()) {
      QMessageBox::critical(&frame, QString::fromUtf8(shell::kApplicationName),
                            QStringLiteral("OpenGL initialization error"));
      return 1;
    }
  }
  return app.exec();
}
