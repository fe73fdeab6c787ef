// The move-log form in the main window, playing its log on the real cube: the
// buttons and their texts, the "R U" walk, posted steps played in order after
// the handler, jumps, demonstrations stopping at the markers, the rotation
// buttons, the arrow keys, and a new game while a demonstration runs.
#include <QSignalSpy>

#include "GuiTestMain.h"
#include "RecordingPresenter.h"
#include "model/MoveLog.h"
#include "model/MoveNotation.h"
#include "settings/Settings.h"
#include "shell/CButtonST.h"
#include "shell/CCharSetCtrl.h"
#include "shell/CMainFrame.h"
#include "shell/COpLogForm.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "view/CRubikView.h"

using shell::COpLogForm;
using Form = shell::COpLogForm;

namespace {

// The facelets of a solved cube of `order` after `moves`, turned without any view.
std::string After(int order, const std::string& moves) {
  model::WCube oracle;
  oracle.Init(order);
  model::ApplySequence(oracle, moves);
  return oracle.ExportColours();
}

std::string After(const model::WCube& start, const std::string& moves) {
  model::WCube oracle(start);
  model::ApplySequence(oracle, moves);
  return oracle.ExportColours();
}

std::vector<std::string> Cells(const movelog::MoveLog& log) {
  std::vector<std::string> cells;
  for (int i = 0; i < movelog::kCellCount && !log.Cell(i).empty(); ++i) cells.push_back(log.Cell(i));
  return cells;
}

}  // namespace

class LogFormTest : public QObject {
  Q_OBJECT

  shell::CRubikDoc* doc_ = nullptr;
  shell::CMainFrame* frame_ = nullptr;
  COpLogForm* form_ = nullptr;

  model::WCube& Cube() { return frame_->View()->Cube(); }
  QString Caption(int id) { return form_->Button(id)->text(); }
  QString Tip(int id) { return form_->Button(id)->TooltipText(); }
  void Press(int id) { form_->PressButton(id); }
  // Lets the posted steps run.
  void Settle() { QCoreApplication::processEvents(); }

 private slots:
  void init() {
    settings::gSettings.maxInterval = 1000;
    doc_ = new shell::CRubikDoc;
    frame_ = new shell::CMainFrame(*doc_);
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_));
    form_ = frame_->LogForm();
    QVERIFY(form_);
    QCOMPARE(frame_->MoveLogPane(), static_cast<QWidget*>(form_));
  }
  void cleanup() {
    delete frame_;
    delete doc_;
  }

  void buttonsCaptionsTooltipsAndLayout() {
    struct Expected {
      int id;
      const char* caption;
      const char* tooltip;
      int hoverOffset;
    };
    const Expected expected[] = {
        {Form::kRotateX, "x", "X轴----整个魔方绕X轴顺时针旋转90度", 90},
        {Form::kRotateX2, "x2", "X轴----整个魔方绕X轴顺时针旋转180°", 30},
        {Form::kRotateXPrime, "x'", "X轴----整个魔方绕X轴逆时针旋转90°", 30},
        {Form::kRotateY, "y", "Y轴----整个魔方绕Y轴顺时针旋转90°", 30},
        {Form::kRotateY2, "y2", "Y轴----整个魔方绕Y轴顺时针旋转180°", 30},
        {Form::kRotateYPrime, "y'", "Y轴----整个魔方绕Y轴逆时针旋转90°", 30},
        {Form::kRotateZ, "z", "Z轴----整个魔方绕Z轴顺时针旋转90°", 30},
        {Form::kRotateZ2, "z2", "Z轴----整个魔方绕Z轴顺时针旋转180°", 30},
        {Form::kRotateZPrime, "z'", "Z轴----整个魔方绕Z轴逆时针旋转90°", 30},
        {Form::kJumpToStart, "|<", "后退到起点", 130},
        {Form::kStepBack, "<", "后退一步", 130},
        {Form::kStepForward, ">", "前进一步", 130},
        {Form::kJumpToEnd, ">|", "前进到终点", 130},
        {Form::kReverseDemo, "<<", "反方向自动演示", 130},
        {Form::kForwardDemo, ">>", "正方向自动演示", 130},
    };
    const auto ids = Form::ButtonIds();
    int left = -1;
    for (int i = 0; i < Form::kButtonCount; ++i) {
      const Expected& e = expected[i];
      QCOMPARE(ids[i], e.id);
      shell::CButtonST* button = form_->Button(e.id);
      QVERIFY(button);
      QCOMPARE(button->text(), QString::fromUtf8(e.caption));
      QCOMPARE(button->TooltipText(), QString::fromUtf8(e.tooltip));
      QVERIFY(button->BalloonTooltipEnabled());
      const QColor face = button->Color(shell::CButtonST::kBkOut);
      QCOMPARE(button->Color(shell::CButtonST::kBkIn), shell::OffsetColour(face, e.hoverOffset));
      QVERIFY(button->geometry().left() > left);  // one row, left to right
      QVERIFY(button->geometry().bottom() < Form::kButtonRowHeight);
      left = button->geometry().left();
    }
    const QRect strip = form_->Strip()->geometry();
    QCOMPARE(strip.top(), 23);
    QCOMPARE(strip.bottom(), form_->height() - 1);
    QCOMPARE(strip.width(), form_->width());
  }

  // The walk through "R U": each step turns the cube once, animated and with
  // sound, never recorded; the recorded turn from before stays the only one.
  void rUWalkOnTheCube() {
    Cube().TurnLayer(2, 2, 0, 0, 1, 0);  // F, recorded
    const model::WCube start(Cube());
    QVERIFY(form_->LoadSequence({"R", "U"}));
    QVERIFY(form_->Strip()->hasFocus());
    RecordingPresenter presenter(Cube());
    struct Step {
      int button;
      int cursor, forwardMode;
      const char* applied;
      int turns;
    };
    const Step walk[] = {
        {Form::kStepForward, 1, 1, "R", 1},   {Form::kStepForward, 2, 1, "R U", 1},
        {Form::kStepForward, 3, 1, "R U", 0}, {Form::kStepForward, 3, 1, "R U", 0},
        {Form::kStepBack, 2, 0, "R", 1},      {Form::kStepBack, 1, 0, "", 1},
        {Form::kStepBack, 0, 1, "", 0},       {Form::kStepBack, 0, 1, "", 0},
        {Form::kStepForward, 1, 1, "R", 1},   {Form::kStepBack, 1, 0, "", 1},
        {Form::kStepForward, 1, 1, "R", 1},  // re-applies the undone move in place
    };
    int step = 0;
    for (const Step& s : walk) {
      presenter.Reset();
      Press(s.button);
      Settle();
      QVERIFY2(form_->Log().cursor() == s.cursor, qPrintable(QString("step %1").arg(step)));
      QCOMPARE(form_->Log().forwardMode(), s.forwardMode);
      QCOMPARE(Cube().ExportColours(), After(start, s.applied));
      QCOMPARE(presenter.animations, s.turns);
      QCOMPARE(int(presenter.sounds.size()), s.turns);
      QCOMPARE(Cube().MoveCount(), 1);
      ++step;
    }
  }

  void stepsArePlayedInPostingOrderAfterTheHandler() {
    QVERIFY(form_->LoadSequence({"R", "U"}));
    const std::string solved = Cube().ExportColours();
    Press(Form::kStepForward);
    Press(Form::kStepForward);
    QCOMPARE(Cube().ExportColours(), solved);  // nothing turns inside the handlers
    Settle();
    QCOMPARE(Cube().ExportColours(), After(3, "R U"));
  }

  void jumpsTurnAtOnceWithOneSound() {
    QVERIFY(form_->LoadSequence({"R", "U'", "F2"}));
    RecordingPresenter presenter(Cube());
    Press(Form::kJumpToEnd);
    QCOMPARE(Cube().ExportColours(), After(3, "R U' F2"));
    QCOMPARE(form_->Log().cursor(), 4);
    QCOMPARE(presenter.animations, 0);
    QCOMPARE(presenter.sounds, std::vector<int>{2});
    presenter.Reset();
    Press(Form::kJumpToStart);
    QCOMPARE(Cube().ExportColours(), After(3, ""));
    QCOMPARE(form_->Log().cursor(), 0);
    QCOMPARE(presenter.sounds, std::vector<int>{2});
    // From the middle, just after undoing a move.
    Press(Form::kStepForward);
    Press(Form::kStepForward);
    Press(Form::kStepBack);
    Settle();
    QCOMPARE(Cube().ExportColours(), After(3, "R"));
    Press(Form::kJumpToEnd);
    QCOMPARE(Cube().ExportColours(), After(3, "R U' F2"));
    QCOMPARE(Cube().MoveCount(), 0);
    // An empty log: nothing, not even the sound.
    form_->ClearLog();
    presenter.Reset();
    Press(Form::kJumpToStart);
    Press(Form::kJumpToEnd);
    QVERIFY(presenter.sounds.empty());
  }

  void demonstrationsRunToTheirMarkers() {
    settings::gSettings.maxInterval = 10;
    QVERIFY(form_->LoadSequence({"R", "U", "F'"}));
    Press(Form::kForwardDemo);
    QCOMPARE(Caption(Form::kForwardDemo), QString("||"));
    QCOMPARE(Tip(Form::kForwardDemo), QString("暂停正方向自动演示"));
    QCOMPARE(Caption(Form::kReverseDemo), QString("<<"));
    QTRY_COMPARE(Caption(Form::kForwardDemo), QString(">>"));
    QCOMPARE(Tip(Form::kForwardDemo), QString("正方向自动演示"));
    QCOMPARE(form_->Log().Cell(form_->Log().cursor()), std::string("@@"));
    QCOMPARE(Cube().ExportColours(), After(3, "R U F'"));

    Press(Form::kReverseDemo);
    QCOMPARE(Caption(Form::kReverseDemo), QString("||"));
    QCOMPARE(Tip(Form::kReverseDemo), QString("暂停反方向自动演示"));
    QTRY_COMPARE(Caption(Form::kReverseDemo), QString("<<"));
    QCOMPARE(Tip(Form::kReverseDemo), QString("反方向自动演示"));
    QCOMPARE(form_->Log().cursor(), 0);
    QCOMPARE(Cube().ExportColours(), After(3, ""));
    QCOMPARE(Cube().MoveCount(), 0);
  }

  void oneDemonstrationAtATime() {
    Press(Form::kForwardDemo);  // an empty log: the button does nothing
    QCOMPARE(Caption(Form::kForwardDemo), QString(">>"));
    QVERIFY(form_->LoadSequence({"R"}));
    Press(Form::kForwardDemo);
    Press(Form::kReverseDemo);
    QVERIFY(!form_->DemoRunning(movelog::Demo::Forward));
    QCOMPARE(Caption(Form::kForwardDemo), QString(">>"));
    QCOMPARE(Tip(Form::kForwardDemo), QString("正方向自动演示"));
    QCOMPARE(Caption(Form::kReverseDemo), QString("||"));
    Press(Form::kReverseDemo);
    QCOMPARE(Caption(Form::kReverseDemo), QString("<<"));
    Press(Form::kForwardDemo);
    form_->StopDemonstration();
    QVERIFY(!form_->DemoRunning(movelog::Demo::Forward));
    QCOMPARE(Caption(Form::kForwardDemo), QString(">>"));
  }

  // A new game empties the log but leaves the demonstration ticking; nothing
  // can stop it on the empty log, and it plays the next sequence loaded.
  void newGameLeavesARunningDemonstration() {
    settings::gSettings.maxInterval = 10;
    QVERIFY(form_->LoadSequence({"R", "U"}));
    Press(Form::kForwardDemo);
    frame_->RunCommand(cmd::NewGameCommand(3));
    QVERIFY(form_->Log().IsEmpty());
    QTest::qWait(60);
    QCOMPARE(Caption(Form::kForwardDemo), QString("||"));
    QCOMPARE(Cube().ExportColours(), After(3, ""));
    Press(Form::kForwardDemo);
    frame_->RunCommand(cmd::kFastScramble);
    QCOMPARE(Caption(Form::kForwardDemo), QString("||"));
    const model::WCube scrambled(Cube());
    QVERIFY(form_->LoadSequence({"R", "F"}));
    QTRY_COMPARE(Caption(Form::kForwardDemo), QString(">>"));
    QCOMPARE(Cube().ExportColours(), After(scrambled, "R F"));

    // A reverse demonstration left running stops at once on the new start marker.
    Press(Form::kReverseDemo);
    frame_->RunCommand(cmd::NewGameCommand(2));
    QTest::qWait(30);
    QCOMPARE(Caption(Form::kReverseDemo), QString("||"));
    QVERIFY(form_->LoadSequence({"R"}));
    QTRY_COMPARE(Caption(Form::kReverseDemo), QString("<<"));
    QCOMPARE(Cube().ExportColours(), After(2, ""));
  }

  void rotationButtonsKeepTheLogValid_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("rotation");
    const char* names[] = {"x", "x2", "x'", "y", "y2", "y'", "z", "z2", "z'"};
    for (int i = 0; i < 9; ++i) QTest::newRow(names[i]) << Form::ButtonIds()[i] << QString(names[i]);
  }
  // Rotating and then playing the re-lettered log ends where playing the log
  // and then rotating does.
  void rotationButtonsKeepTheLogValid() {
    QFETCH(int, button);
    QFETCH(QString, rotation);
    const std::string moves = "R U' F2 M y2 E' S2 x z' B D L2 r";
    std::vector<std::string> tokens;
    for (const QString& t : QString::fromStdString(moves).split(' ')) tokens.push_back(t.toStdString());
    QVERIFY(form_->LoadSequence(tokens));
    RecordingPresenter presenter(Cube());
    form_->Button(Form::kStepForward)->setFocus();
    Press(button);
    QVERIFY(presenter.animations > 0);  // the cube turns, animated
    QVERIFY(form_->Strip()->hasFocus());
    QCOMPARE(Cube().ExportColours(), After(3, rotation.toStdString()));
    Press(Form::kJumpToEnd);
    QCOMPARE(Cube().ExportColours(), After(3, moves + " " + rotation.toStdString()));
    QCOMPARE(Cube().MoveCount(), 0);
  }

  void rotationExamples() {
    QVERIFY(form_->LoadSequence({"R", "y2"}));
    Press(Form::kRotateX);
    QCOMPARE(Cells(form_->Log()), (std::vector<std::string>{"??", "R", "z2", "@@"}));
    Press(Form::kRotateY);
    QCOMPARE(Cells(form_->Log()), (std::vector<std::string>{"??", "F", "x2", "@@"}));
    QVERIFY(form_->LoadSequence({"x", "z'", "x'"}));
    Press(Form::kRotateY2);
    QCOMPARE(Cells(form_->Log()), (std::vector<std::string>{"??", "x'", "z", "x", "@@"}));
    // The solvers' x2 re-lettering turns nothing.
    const std::string before = Cube().ExportColours();
    QVERIFY(form_->LoadSequence({"F", "U2", "y"}));
    form_->RelabelX2();
    QCOMPARE(Cells(form_->Log()), (std::vector<std::string>{"??", "B", "D2", "y'", "@@"}));
    QCOMPARE(Cube().ExportColours(), before);
    // On an empty log the cube turns and nothing is written.
    frame_->RunCommand(cmd::NewGameCommand(3));
    Press(Form::kRotateZ);
    QCOMPARE(Cube().ExportColours(), After(3, "z"));
    QVERIFY(form_->Log().IsEmpty());
  }

  void arrowKeysPlayTheLog() {
    QVERIFY(form_->LoadSequence({"R", "U"}));
    QTRY_VERIFY(form_->Strip()->hasFocus());
    QTest::keyClick(form_->Strip(), Qt::Key_Right);
    QTest::keyClick(form_->Strip(), Qt::Key_Down);
    Settle();
    QCOMPARE(Cube().ExportColours(), After(3, "R U"));
    QTest::keyClick(form_->Strip(), Qt::Key_Up);
    Settle();
    QCOMPARE(Cube().ExportColours(), After(3, "R"));
  }

  void tooLongASequenceIsRefused() {
    QVERIFY(form_->LoadSequence({"R", "U"}));
    QVERIFY(!form_->LoadSequence(std::vector<std::string>(movelog::kMaxMoves + 1, "R")));
    QCOMPARE(Cells(form_->Log()), (std::vector<std::string>{"??", "R", "U", "@@"}));
    QVERIFY(form_->LoadSequence(std::vector<std::string>(movelog::kMaxMoves, "R")));
    QCOMPARE(form_->Log().Cell(movelog::kCellCount - 1), std::string("@@"));
  }
};

ROVAN_GUI_TEST_MAIN(LogFormTest)
#include "logform.moc"
