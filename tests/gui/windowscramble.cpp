// The scrambles of the main window: "高速乱转" (F6) and "慢速乱转" (F5) with what
// they do to the turn history, the document, the move log, its demonstration
// and the solving form's solve buttons; the slow one ends when the window closes.
#include <QTimer>

#include "GuiTestMain.h"
#include "RecordingPresenter.h"
#include "settings/Settings.h"
#include "shell/CButtonST.h"
#include "shell/CMainFrame.h"
#include "shell/COpLogForm.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "shell/ScrambleCommands.h"
#include "view/CRubikView.h"

using shell::COpLogForm;
using shell::SolveButtons;

class WindowScrambleTest : public QObject {
  Q_OBJECT

  shell::CRubikDoc* doc_ = nullptr;
  shell::CMainFrame* frame_ = nullptr;
  settings::Settings saved_;

  model::WCube& Cube() { return frame_->View()->Cube(); }
  COpLogForm* Form() { return frame_->LogForm(); }
  void RecordTwoTurns() {
    Cube().TurnLayer(0, Cube().Order() - 1, 0, 0, 1, 0);
    Cube().TurnLayer(1, 0, 1, 0, 1, 0);
    QCOMPARE(Cube().MoveCount(), 2);
  }
  std::string Centres() {
    const int n = Cube().Order();
    const std::string text = Cube().ExportColours();
    std::string centres;
    for (int face = 0; face < 6; ++face) centres += text[face * n * n + (n / 2) * n + n / 2];
    return centres;
  }

 private slots:
  void init() {
    saved_ = settings::gSettings;
    settings::gSettings.maxInterval = 1000;
    doc_ = new shell::CRubikDoc;
    frame_ = new shell::CMainFrame(*doc_);
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_));
  }
  void cleanup() {
    delete frame_;
    delete doc_;
    settings::gSettings = saved_;
  }

  void fastScrambleEmptiesHistoryAndLog() {
    settings::gSettings.rotationCount = 40;
    RecordTwoTurns();
    QVERIFY(Form()->LoadSequence({"R", "U"}));
    Form()->PressButton(COpLogForm::kForwardDemo);
    QVERIFY(!doc_->IsModified());
    const std::string before = Cube().ExportColours();
    RecordingPresenter presenter(Cube());
    frame_->RunCommand(cmd::kFastScramble);
    QCOMPARE(Cube().MoveCount(), 0);
    QVERIFY(!frame_->Action(cmd::kEditUndo)->isEnabled());
    QVERIFY(doc_->IsModified());
    QVERIFY(Form()->Log().IsEmpty());
    QVERIFY(!Form()->DemoRunning(movelog::Demo::Forward));
    QCOMPARE(Form()->Button(COpLogForm::kForwardDemo)->text(), QString(">>"));
    QVERIFY(Cube().ExportColours() != before);
    QCOMPARE(presenter.animations, 0);
    QCOMPARE(int(presenter.sounds.size()), 1);  // the closing sound only
  }

  void solvingFormFastScrambleLoadsAnEmptySequence() {
    settings::gSettings.rotationCount = 10;
    frame_->Scrambles()->SolverFastScramble();
    QCOMPARE(Form()->Log().Cell(0), std::string("??"));
    QCOMPARE(Form()->Log().Cell(1), std::string("@@"));
    QCOMPARE(Form()->Log().cursor(), 0);
    QVERIFY(doc_->IsModified());
  }

  void keepCenterOnOddOrders_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("command");
    for (int order : {3, 5, 7}) {
      QTest::addRow("F6 order %d", order) << order << int(cmd::kFastScramble);
      QTest::addRow("F5 order %d", order) << order << int(cmd::kSlowScramble);
    }
  }
  void keepCenterOnOddOrders() {
    QFETCH(int, order);
    QFETCH(int, command);
    settings::gSettings.keepCenter = 1;
    settings::gSettings.showRotations = 0;
    settings::gSettings.rotationCount = 300;
    frame_->RunCommand(cmd::NewGameCommand(order));
    frame_->RunCommand(command);
    QCOMPARE(Centres(), std::string("012345"));
  }

  // With no turns to make, the sound still closes the scramble: Y after an
  // animated one, X otherwise.
  void noTurnsStillEndTheScramble_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("showRotations");
    QTest::addColumn<int>("soundAxis");
    QTest::newRow("F6") << int(cmd::kFastScramble) << 1 << 0;
    QTest::newRow("F5 shown") << int(cmd::kSlowScramble) << 1 << 1;
    QTest::newRow("F5 not shown") << int(cmd::kSlowScramble) << 0 << 0;
  }
  void noTurnsStillEndTheScramble() {
    QFETCH(int, command);
    QFETCH(int, showRotations);
    QFETCH(int, soundAxis);
    settings::gSettings.rotationCount = 0;
    settings::gSettings.showRotations = showRotations;
    RecordTwoTurns();
    RecordingPresenter presenter(Cube());
    frame_->RunCommand(command);
    QCOMPARE(presenter.sounds, std::vector<int>{soundAxis});
    QCOMPARE(Cube().MoveCount(), 0);
    QVERIFY(doc_->IsModified());
  }

  void slowScrambleReenablesSolveButtonsByOrder_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<bool>("beginner");
    QTest::addColumn<bool>("advanced");
    QTest::addColumn<bool>("twoPhase");
    QTest::newRow("2") << 2 << true << true << false;
    QTest::newRow("3") << 3 << true << true << true;
    for (int order : {4, 5, 6, 7}) QTest::addRow("%d", order) << order << false << true << false;
  }
  void slowScrambleReenablesSolveButtonsByOrder() {
    QFETCH(int, order);
    QFETCH(bool, beginner);
    QFETCH(bool, advanced);
    QFETCH(bool, twoPhase);
    settings::gSettings.rotationCount = 3;
    settings::gSettings.showRotations = 1;
    frame_->RunCommand(cmd::NewGameCommand(order));
    QVERIFY(Form()->LoadSequence({"R"}));
    std::vector<SolveButtons> seen;
    bool runningWhenDisabled = false;
    connect(frame_->Scrambles(), &shell::ScrambleCommands::solveButtonsEnabled, this,
            [&](SolveButtons b) {
              seen.push_back(b);
              if (seen.size() == 1) runningWhenDisabled = frame_->Scrambles()->SlowScrambleRunning();
            });
    RecordingPresenter presenter(Cube());
    frame_->RunCommand(cmd::kSlowScramble);
    QCOMPARE(int(seen.size()), 2);
    QVERIFY(seen[0] == (SolveButtons{false, false, false}));
    QVERIFY(runningWhenDisabled);
    QVERIFY(seen[1] == (SolveButtons{beginner, advanced, twoPhase}));
    QCOMPARE(presenter.animations, 3);
    QVERIFY(Form()->Log().IsEmpty());
    QCOMPARE(Cube().MoveCount(), 0);
    QVERIFY(doc_->IsModified());
  }

  // Closing the window mid-scramble stops it before its next turn: the history
  // stays, the document is not marked, no closing sound.
  void slowScrambleStopsWhenTheWindowCloses() {
    settings::gSettings.rotationCount = 500;
    settings::gSettings.showRotations = 1;
    RecordTwoTurns();
    RecordingPresenter presenter(Cube());
    int turnsBeforeClose = -1;
    QTimer::singleShot(0, frame_, [&] {
      turnsBeforeClose = presenter.animations;
      frame_->close();
    });
    frame_->RunCommand(cmd::kSlowScramble);
    QVERIFY(turnsBeforeClose >= 1);
    QVERIFY(presenter.animations < 500);
    QCOMPARE(Cube().MoveCount(), 2);
    QVERIFY(!doc_->IsModified());
    QCOMPARE(presenter.sounds.size(), size_t(presenter.animations));
  }
};

ROVAN_GUI_TEST_MAIN(WindowScrambleTest)
#include "windowscramble.moc"
