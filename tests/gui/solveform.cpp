// The solving form: colour tools and the painted net, custom colours, "应用"
// and the stored colours, enabling of the solve buttons by order, the solve
// buttons loading solutions that solve the cube when played, refusals that
// change nothing, "发送", and "仙人解法" with "启用".
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "GuiTestMain.h"
#include "input/Conversions.h"
#include "settings/Settings.h"
#include "shell/CCubeSolverForm.h"
#include "shell/CCubeWnd.h"
#include "shell/CColorButton.h"
#include "shell/CColorStatic.h"
#include "shell/CMainFrame.h"
#include "shell/COpLogForm.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/SettingsStore.h"
#include "solvers/orchestration/SolveMessages.h"
#include "view/Appearance.h"
#include "view/CRubikView.h"

using shell::CCubeSolverForm;
using shell::COpLogForm;

namespace {
const char* const kScramble[] = {"R", "U'", "F2", "L", "D", "B'", "R2", "U", "F'", "L2", "D'", "B", "R'", "F"};

// Closes the next message box and keeps its text.
struct MessageCatcher {
  QString text;
  int boxes = 0;
  void Arm() {
    QTimer::singleShot(50, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        ++boxes;
        box->accept();
      } else {
        Arm();
      }
    });
  }
};
}  // namespace

class SolveFormTest : public QObject {
  Q_OBJECT

  shell::CRubikDoc* doc_ = nullptr;
  shell::CMainFrame* frame_ = nullptr;
  settings::Settings saved_;

  model::WCube& Cube() { return frame_->View()->Cube(); }
  CCubeSolverForm* Form() { return frame_->SolverForm(); }
  COpLogForm* Log() { return frame_->LogForm(); }
  std::vector<std::string> LogCells() {
    std::vector<std::string> cells;
    for (int i = 0; i < movelog::kCellCount; ++i) cells.push_back(Log()->Log().Cell(i));
    return cells;
  }
  void Scramble() {
    for (const char* t : kScramble) frame_->View()->ApplyCommand(t, 0, 0, 0);
    QVERIFY(!input::IsUniform(Cube().ExportColours()));
  }
  // Plays the whole log and checks the cube ends solved.
  void PlayLogAndExpectSolved() {
    QCOMPARE(Log()->Log().Cell(0), std::string("??"));
    Log()->PressButton(COpLogForm::kJumpToEnd);
    QVERIFY2(input::IsUniform(Cube().ExportColours()), Cube().ExportColours().c_str());
  }
  void StartFrame() {
    doc_ = new shell::CRubikDoc;
    frame_ = new shell::CMainFrame(*doc_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_));
  }
  void StopFrame() {
    delete frame_;
    delete doc_;
    frame_ = nullptr;
    doc_ = nullptr;
  }

 private slots:
  void initTestCase() {
    shell::RegisterSettingsLocation();
    QSettings().clear();
  }
  void init() {
    saved_ = settings::gSettings;
    StartFrame();
  }
  void cleanup() {
    StopFrame();
    settings::gSettings = saved_;
  }

  // For looking at the form: ROVAN_SCREENSHOT_DIR=dir saves the window there.
  void screenshot() {
    const QString dir = qEnvironmentVariable("ROVAN_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("ROVAN_SCREENSHOT_DIR not set");
    Form()->SelectTool(2);
    QVERIFY(frame_->grab().save(dir + "/solveform.png"));
  }

  void toolsPaintTheNet() {
    shell::CCubeWnd* net = Form()->Net();
    const std::string fresh = net->ReadNet();
    QCOMPARE(fresh, std::string("000000000111111111222222222333333333444444444555555555"));
    // Without a tool a click only selects the face.
    QTest::mouseClick(net, Qt::LeftButton, {}, net->CellCentre(1, 0, 0));
    QCOMPARE(net->SelectedFace(), 1);
    QCOMPARE(net->ReadNet(), fresh);
    QVERIFY(!Form()->HasToolCursor());

    Form()->Tool(2)->click();
    QCOMPARE(Form()->CurrentTool(), 2);
    QCOMPARE(Form()->Swatch()->FillColor(), shell::ColourOfValue(Form()->ToolColour(2)));
    QVERIFY(Form()->HasToolCursor());
    QCOMPARE(Form()->ToolCursor().hotSpot(), QPoint(3, 3));
    // Cell (1, 2) of F and cell (2, 0) of D: net positions 9 + 5 and 45 + 6.
    QTest::mouseClick(net, Qt::LeftButton, {}, net->CellCentre(1, 1, 2));
    QTest::mouseClick(net, Qt::LeftButton, {}, net->CellCentre(5, 2, 0));
    QCOMPARE(net->SelectedFace(), 5);
    std::string expected = fresh;
    expected[14] = '2';
    expected[51] = '2';
    QCOMPARE(net->ReadNet(), expected);
    // The painted cell shows the tool's colour.
    const QImage image = net->grab().toImage();
    QCOMPARE(image.pixelColor(net->CellCentre(1, 1, 2)), shell::ColourOfValue(Form()->ToolColour(2)));
    QCOMPARE(image.pixelColor(net->CellCentre(1, 0, 0)), shell::ColourOfValue(Form()->ToolColour(1)));
    // A click outside every face selects none and paints nothing.
    QTest::mouseClick(net, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(net->SelectedFace(), -1);
    QCOMPARE(net->ReadNet(), expected);
  }

  void netFollowsNewGames() {
    frame_->RunCommand(cmd::kNewGame2);
    QCOMPARE(Form()->Net()->ReadNet(), std::string("000011112222333344445555"));
    frame_->RunCommand(cmd::kNewGame4);
    QCOMPARE(int(Form()->Net()->ReadNet().size()), 96);
    frame_->RunCommand(cmd::kNewGame6);
    QCOMPARE(Form()->Net()->Order(), 4);  // kept; colour input is refused above order 4
  }

  void customColourRefusedInNumbersTheme() {
    frame_->RunCommand(cmd::kThemeNumbers);
    const std::uint32_t before = Form()->ToolColour(0);
    MessageCatcher catcher;
    catcher.Arm();
    Form()->CustomColour(0x00123456);
    QCOMPARE(catcher.text, QString::fromUtf8(orchestration::kMsgNumberedTheme));
    QCOMPARE(Form()->ToolColour(0), before);

    frame_->RunCommand(cmd::kThemeStandard);
    Form()->SelectTool(3);
    Form()->CustomColour(0x00123456);
    QCOMPARE(Form()->ToolColour(3), 0x00123456u);
    QCOMPARE(Form()->Tool(3)->FillColor(), QColor(0x56, 0x34, 0x12));
    QCOMPARE(Form()->Net()->PaletteEntry(4), 0x00123456u);
    QCOMPARE(Form()->Swatch()->FillColor(), QColor(0x56, 0x34, 0x12));
  }

  void applyLoadsTheNetIntoTheCube() {
    Form()->SelectTool(5);
    shell::CCubeWnd* net = Form()->Net();
    QTest::mouseClick(net, Qt::LeftButton, {}, net->CellCentre(0, 0, 0));
    Form()->Button(CCubeSolverForm::kApply)->click();
    QCOMPARE(Cube().ExportColours(), net->ReadNet());
    QVERIFY(!Form()->HasToolCursor());  // the tool is put down
    QTest::mouseClick(net, Qt::LeftButton, {}, net->CellCentre(0, 0, 1));
    QCOMPARE(net->ReadNet()[1], '0');

    // A uniform net also sets every sticker turn back to 0.
    Cube().ImportStickerTurns(std::string(54, '1'));
    frame_->RunCommand(cmd::kNewGame3);
    Form()->ApplyNet();
    QCOMPARE(Cube().ExportStickerTurns(), std::string(54, '0'));

    // Above order 4 the cube is left alone.
    frame_->RunCommand(cmd::kNewGame5);
    const std::string before = Cube().ExportColours();
    MessageCatcher catcher;
    catcher.Arm();
    Form()->ApplyNet();
    QCOMPARE(catcher.text, QString::fromUtf8(orchestration::kMsgNetOrder));
    QCOMPARE(Cube().ExportColours(), before);
  }

  void appliedColoursSurviveARestart() {
    frame_->RunCommand(cmd::kThemeStandard);
    Form()->SelectTool(4);
    Form()->CustomColour(0x00204060);
    Form()->ApplyNet();
    QCOMPARE(QSettings().value("Settings/Color4").toByteArray(), QByteArray("\x60\x40\x20\x00", 4));
    StopFrame();
    view::SetFaceColours({0, 0, 0, 0, 0, 0});
    StartFrame();
    QCOMPARE(Form()->ToolColour(4), 0x00204060u);
    QCOMPARE(Form()->Tool(4)->FillColor(), QColor(0x60, 0x40, 0x20));
    QCOMPARE(Form()->Net()->PaletteEntry(5), 0x00204060u);
    QCOMPARE(qRound(view::gStickerPalette[4].r * 255), 0x60);
    QCOMPARE(Form()->ToolColour(0), 0x0000FFFFu);  // never changed: the default
    QSettings().clear();
  }

  void solveButtonsFollowTheOrder() {
    struct Row {
      int command;
      bool beginner, twoPhase, advanced;
    };
    // "高级解法" keeps its state at orders other than 3.
    const Row rows[] = {
        {cmd::kNewGame2, true, false, true},  {cmd::kNewGame4, false, false, true},
        {cmd::kNewGame7, false, false, true}, {cmd::kNewGame3, true, true, true},
    };
    for (const Row& row : rows) {
      frame_->RunCommand(row.command);
      QCOMPARE(Form()->Button(CCubeSolverForm::kBeginner)->isEnabled(), row.beginner);
      QCOMPARE(Form()->Button(CCubeSolverForm::kTwoPhase)->isEnabled(), row.twoPhase);
      QCOMPARE(Form()->Button(CCubeSolverForm::kAdvanced)->isEnabled(), row.advanced);
    }
    QVERIFY(!Form()->Button(CCubeSolverForm::kTakeResult)->isEnabled());
  }

  void beginnerSolvesAScrambledCube_data() {
    QTest::addColumn<int>("method");
    QTest::newRow("layer by layer") << 0;
    QTest::newRow("no formula") << 1;
  }
  void beginnerSolvesAScrambledCube() {
    QFETCH(int, method);
    settings::gSettings.primarySolution = method;
    Scramble();
    Form()->Button(CCubeSolverForm::kBeginner)->click();
    QCOMPARE(Cube().MoveCount(), 0);
    PlayLogAndExpectSolved();
  }

  // A cube one inner turn from solved gets a one-move answer in the log, which
  // playing solves.
  void advancedAnswersANearSolvedCubeDirectly() {
    frame_->RunCommand(cmd::kNewGame5);
    frame_->View()->ApplyCommand("N3F'", 0, 0, 0);
    Form()->Button(CCubeSolverForm::kAdvanced)->click();
    const auto cells = LogCells();
    QCOMPARE(cells[0], std::string("??"));
    QCOMPARE(cells[1], std::string("MB'"));
    QCOMPARE(cells[2], std::string("@@"));
    PlayLogAndExpectSolved();
  }

  void refusedColouringChangesNothing_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("primarySolution");
    QTest::addColumn<QString>("message");
    const QString badColours = QString::fromUtf8(orchestration::kMsgBadColours);
    const QString cannotSolve = QString::fromUtf8(orchestration::kMsgCannotSolve);
    // F centre painted like U (a sticker of one colour too many).
    QTest::newRow("two U centres") << 13 << -1 << 0 << badColours;
    // Two stickers of the UFR corner swapped: every count right, yet no cube.
    QTest::newRow("mirrored corner, layers") << 11 << 18 << 0 << cannotSolve;
    QTest::newRow("mirrored corner, no formula") << 11 << 18 << 1 << cannotSolve;
  }

  void refusedColouringChangesNothing() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, primarySolution);
    QFETCH(QString, message);
    settings::gSettings.primarySolution = primarySolution;
    QVERIFY(Log()->LoadSequence({"R", "U"}));
    std::string colours = Cube().ExportColours();
    if (second < 0) colours[first] = '0';
    else std::swap(colours[first], colours[second]);
    Cube().ImportColours(colours);
    const auto cells = LogCells();
    MessageCatcher catcher;
    catcher.Arm();
    Form()->Beginner();
    QCOMPARE(catcher.text, message);
    QCOMPARE(Cube().ExportColours(), colours);
    QVERIFY(LogCells() == cells);
  }

  void sendChecksAndLoadsTheBox() {
    QVERIFY(Log()->LoadSequence({"F"}));
    const auto cells = LogCells();
    Form()->CommandBox()->setText("R U K");
    MessageCatcher catcher;
    catcher.Arm();
    Form()->Button(CCubeSolverForm::kSend)->click();
    QCOMPARE(catcher.text, QString::fromUtf8(orchestration::kMsgBadCommand));
    QVERIFY(LogCells() == cells);

    Form()->CommandBox()->setText("R U' (F2.x) L");
    const std::vector<std::string> expected{"??", "R", "U'", "F2", "x", "L", "@@", ""};
    const std::string before = Cube().ExportColours();
    Form()->Send();
    const auto loaded = LogCells();
    QVERIFY(std::vector<std::string>(loaded.begin(), loaded.begin() + 8) == expected);
    QCOMPARE(Cube().ExportColours(), before);  // sent moves wait in the log
  }

  void twoPhaseStartsAndStops() {
    QVERIFY(input::IsUniform(Cube().ExportColours()));
    Form()->ToggleTwoPhase();  // a solved cube has nothing to search
    QVERIFY(!Form()->TwoPhaseRunning());
    Scramble();
    Form()->ToggleTwoPhase();
    QVERIFY(Form()->TwoPhaseRunning());
    QTRY_VERIFY_WITH_TIMEOUT(Form()->TwoPhaseHasSolution(), 60000);
    Form()->ToggleTwoPhase();
    QVERIFY(!Form()->TwoPhaseRunning());
    QCOMPARE(Form()->Button(CCubeSolverForm::kTwoPhase)->text(), QString("仙人解法"));
    QVERIFY(Form()->Button(CCubeSolverForm::kTakeResult)->isEnabled());  // the result can still be taken
  }

  void twoPhaseThenTakeResultSolves() {
    Scramble();
    const std::string scrambled = Cube().ExportColours();
    Form()->Button(CCubeSolverForm::kTwoPhase)->click();
    QVERIFY(Form()->TwoPhaseRunning());
    QCOMPARE(Form()->Button(CCubeSolverForm::kTwoPhase)->text(), QString("停止求解"));
    QVERIFY(Form()->Button(CCubeSolverForm::kTakeResult)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(Form()->TwoPhaseHasSolution(), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!Form()->Output()->toPlainText().isEmpty(), 5000);
    // Turned by hand meanwhile: "启用" goes back to the state the search began on.
    frame_->View()->ApplyCommand("R", 0, 0, 0);
    Form()->Button(CCubeSolverForm::kTakeResult)->click();
    QVERIFY(!Form()->TwoPhaseRunning());
    QCOMPARE(Form()->Button(CCubeSolverForm::kTwoPhase)->text(), QString("仙人解法"));
    QVERIFY(!Form()->Button(CCubeSolverForm::kTakeResult)->isEnabled());
    QCOMPARE(Cube().ExportColours(), scrambled);
    PlayLogAndExpectSolved();
  }
};

ROVAN_GUI_TEST_MAIN(SolveFormTest)
#include "solveform.moc"
