// The window's links to other cube programs: "随机状态打乱" in the 操作 menu,
// "复制解法（标准记号）" copying the log from the cursor in standard notation,
// and the command box taking a pasted standard-notation sequence.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>

#include "GuiTestMain.h"
#include "shell/CButtonST.h"
#include "shell/CCubeSolverForm.h"
#include "shell/CMainFrame.h"
#include "shell/COpLogForm.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "shell/ScrambleCommands.h"
#include "view/CRubikView.h"

using shell::COpLogForm;

class StandardFormsTest : public QObject {
  Q_OBJECT

  shell::CRubikDoc* doc_ = nullptr;
  shell::CMainFrame* frame_ = nullptr;

  model::WCube& Cube() { return frame_->View()->Cube(); }
  COpLogForm* LogForm() { return frame_->LogForm(); }

  void NewGame(int order) { frame_->RunCommand(cmd::NewGameCommand(order)); }

  void RandomStateScramble() {
    QVERIFY(frame_->Action(cmd::kRandomStateScramble)->isEnabled());
    frame_->RunCommand(cmd::kRandomStateScramble);
    QVERIFY(!frame_->Action(cmd::kRandomStateScramble)->isEnabled());  // one at a time
    QTRY_VERIFY_WITH_TIMEOUT(!frame_->Scrambles()->RandomStateRunning(), 60000);
    frame_->UpdateCommandUi();
  }

 private slots:
  void init() {
    doc_ = new shell::CRubikDoc;
    frame_ = new shell::CMainFrame(*doc_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_));
  }
  void cleanup() {
    delete frame_;
    delete doc_;
  }

  void menuItemsSitInTheTurnsMenu() {
    for (int id : {cmd::kRandomStateScramble, cmd::kCopyStandardSolution}) {
      const cmd::CommandSpec* spec = cmd::FindCommand(id);
      QVERIFY(spec);
      QCOMPARE(QString::fromUtf8(spec->menu), QString("操作"));
      QVERIFY(frame_->Action(id));
    }
    QCOMPARE(QString::fromUtf8(cmd::FindCommand(cmd::kRandomStateScramble)->text), QString("随机状态打乱"));
    QCOMPARE(QString::fromUtf8(cmd::FindCommand(cmd::kCopyStandardSolution)->text), QString("复制解法（标准记号）"));
  }

  void randomStateScrambleOnOrdersTwoAndThree() {
    QVERIFY(LogForm()->LoadSequence({"R", "U"}));
    Cube().TurnLayer(0, 2, 0, 0, 1, 0);
    const std::string before = Cube().ExportColours();
    RandomStateScramble();
    QVERIFY(Cube().ExportColours() != before);
    QCOMPARE(Cube().MoveCount(), 0);
    QVERIFY(doc_->IsModified());
    QVERIFY(LogForm()->Log().IsEmpty());
    const std::string scrambled = Cube().ExportColours();
    for (int face = 0; face < 6; ++face) QCOMPARE(scrambled[face * 9 + 4], char('0' + face));  // face turns only

    // The 2×2×2 keeps its D-R-B corner where it is.
    NewGame(2);
    RandomStateScramble();
    const std::string two = Cube().ExportColours();
    QVERIFY(two != std::string("000011112222333344445555"));
    QCOMPARE(std::string{two[23]} + two[11] + two[14], std::string("523"));

    for (int order : {4, 5, 6, 7}) {
      NewGame(order);
      frame_->UpdateCommandUi();
      QVERIFY(!frame_->Action(cmd::kRandomStateScramble)->isEnabled());
    }
  }

  void copiesTheLogFromTheCursorInStandardNotation() {
    NewGame(4);
    QVERIFY(LogForm()->LoadSequence({"TR", "x", "NR'", "[1]", "S2F"}));
    frame_->UpdateCommandUi();
    QVERIFY(frame_->Action(cmd::kCopyStandardSolution)->isEnabled());
    frame_->RunCommand(cmd::kCopyStandardSolution);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Rw x 2R' z"));
    LogForm()->PressButton(COpLogForm::kStepForward);
    QTest::qWait(50);
    frame_->RunCommand(cmd::kCopyStandardSolution);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("x 2R' z"));
    LogForm()->PressButton(COpLogForm::kJumpToEnd);
    frame_->UpdateCommandUi();
    QVERIFY(!frame_->Action(cmd::kCopyStandardSolution)->isEnabled());  // nothing left to copy
  }

  // For looking at the menu: ROVAN_SCREENSHOT_DIR=dir saves the screen with 操作 open.
  void screenshot() {
    const QString dir = qEnvironmentVariable("ROVAN_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("ROVAN_SCREENSHOT_DIR not set");
    QMenu* menu = frame_->Menu(QStringLiteral("操作"));
    frame_->UpdateCommandUi();
    menu->popup(frame_->mapToGlobal(QPoint(60, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::qWait(200);
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/menu.png"));
    menu->hide();
  }

  void commandBoxTakesStandardNotation() {
    NewGame(4);
    shell::CCubeSolverForm* form = frame_->SolverForm();
    form->CommandBox()->setText("Rw 2R' 3Fw2 r y");
    form->Send();
    const auto moves = LogForm()->Log().Moves();
    QCOMPARE(moves, (std::vector<std::string>{"TR", "NR'", "T3F2", "r", "y"}));
  }
};

ROVAN_GUI_TEST_MAIN(StandardFormsTest)
#include "standardforms.moc"
