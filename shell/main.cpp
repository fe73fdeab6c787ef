// rovan: the desktop program.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>

#include "shell/AppSetup.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/Language.h"
#include "shell/SettingsStore.h"
#include "solvers/tablecache/TableCache.h"
#include "solvers/twophase/TwoPhaseSolver.h"
#include "view/Appearance.h"
#include "view/CRubikView.h"
#include "view/GlFormat.h"
#include "view/TurnSounds.h"

int main(int argc, char* argv[]) {
  view::SetDefaultGlFormat();  // before the application object, or GL gets no depth buffer
  QApplication app(argc, argv);
  shell::SetUpApplication(app);
  const QStringList arguments = QApplication::arguments();
  // Solver tables are cached where the two-phase table file is kept.
  tablecache::SetFoldersOf(twophase::TableFileCandidates(QCoreApplication::applicationDirPath().toStdString()));

  shell::CRubikDoc doc;
  shell::CMainFrame frame(doc);
  // A document named on the command line that cannot be opened ends start-up.
  if (!shell::ProcessShellCommand(doc, shell::WithoutLanguageOption(arguments))) return 1;

  view::TurnSounds sounds;
  shell::LoadSettings();
  {
    const auto colours = shell::LoadFaceColours();
    view::SetFaceColours({colours[0], colours[1], colours[2], colours[3], colours[4], colours[5]});
  }

  frame.View()->SetSounds(&sounds);
  frame.ApplyLayout(shell::LoadWindowLayout());
  frame.show();
  // The view makes its OpenGL context when its window first appears on screen.
  QElapsedTimer waited;
  waited.start();
  while (!frame.View()->HasContext() && waited.elapsed() < 3000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  if (!frame.View()->HasContext()) {
    QMessageBox::critical(&frame, shell::ApplicationTitle(), QStringLiteral("OpenGL initialization error"));
    return 1;
  }
  const int result = app.exec();
  shell::SaveWindowLayout(frame.Layout());
  return result;
}
