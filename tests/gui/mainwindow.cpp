// The main window as the user meets it: menus, keys, states, panes, status bar, close.
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <QActionGroup>
#include <QWindow>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>

#include "GuiTestMain.h"
#include "model/FaceVisibility.h"
#include "model/MoveNotation.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "tests/fixtures/Watchdog.h"
#include "view/Appearance.h"
#include "view/CRubikView.h"

using shell::CMainFrame;

class MainWindowTest : public QObject {
  Q_OBJECT

  shell::CRubikDoc* doc_ = nullptr;
  CMainFrame* frame_ = nullptr;

  // Ctrl with a letter, with the control character X11 gives as its text (a
  // disabled item's key then reaches the view, which turns nothing for it).
  void ControlKey(Qt::Key letter, Qt::KeyboardModifiers more) {
    const QString text(QChar(char16_t(letter - Qt::Key_A + 1)));
    QTest::sendKeyEvent(QTest::Click, frame_->windowHandle(), letter, text, Qt::ControlModifier | more);
  }

  QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) texts << (a->isSeparator() ? "-" : a->text());
    return texts;
  }

 private slots:
  // One window for the tests (a new one takes a while to appear); each test
  // starts from the state of a fresh start.
  void initTestCase() {
    doc_ = new shell::CRubikDoc;
    frame_ = new CMainFrame(*doc_);
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_));
  }
  void cleanupTestCase() {
    delete frame_;
    delete doc_;
  }
  void init() {
    frame_->RunCommand(cmd::kNewGame3);
    if (frame_->Theme() != 1) frame_->RunCommand(cmd::kThemeNumbers);
    if (!frame_->ProjectionFlag()) frame_->RunCommand(cmd::kProjectionView);
    if (frame_->SunlightFlag()) frame_->RunCommand(cmd::kSunlight);
    if (!view::gAppearance.background) frame_->RunCommand(cmd::kBackgroundNone);
    if (frame_->SolverPane()->isHidden()) frame_->RunCommand(cmd::kPaneSolver);
    if (frame_->MoveLogPane()->isHidden()) frame_->RunCommand(cmd::kPaneLog);
    doc_->SetModifiedFlag(false);
    frame_->View()->setFocus();
  }

  void menusFollowTheTable() {
    QStringList top;
    for (QAction* a : frame_->menuBar()->actions()) top << a->text();
    QCOMPARE(top, QStringList({"游戏", "操作", "外观", "帮助"}));
    QCOMPARE(MenuTexts(frame_->Menu("游戏/新游戏")),
             QStringList({"2X2X2魔方", "3X3X3魔方", "4X4X4魔方", "5X5X5魔方", "-", "6X6X6魔方", "7X7X7魔方"}));
    QCOMPARE(MenuTexts(frame_->Menu("游戏")),
             QStringList({"新游戏", "初始状态", "打开...", "保存", "另存为", "-", "退出"}));
    QCOMPARE(MenuTexts(frame_->Menu("操作")),
             QStringList({"撤消", "重做", "-", "慢速乱转", "高速乱转", "随机状态打乱", "复制解法（标准记号）", "配置"}));
    QCOMPARE(MenuTexts(frame_->Menu("外观")),
             QStringList({"标准魔方", "数字魔方", "字母魔方", "符号魔方", "图案魔方", "财神魔方", "阴阳魔方",
                          "天下魔方", "投影视图", "阳光效果", "抗锯齿", "窗口布局", "背景"}));
    QCOMPARE(MenuTexts(frame_->Menu("外观/窗口布局")), QStringList({"求解窗口", "解答窗口"}));
    QCOMPARE(MenuTexts(frame_->Menu("外观/背景")), QStringList({"无", "自定义"}));
    QCOMPARE(MenuTexts(frame_->Menu("帮助")), QStringList({"关于", "帮助"}));
  }

  void idsAndShortcuts_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("keys");
    QTest::newRow("初始状态") << int(cmd::kInitialState) << "F2";
    QTest::newRow("打开") << int(cmd::kFileOpen) << "Ctrl+O";
    QTest::newRow("保存") << int(cmd::kFileSave) << "Ctrl+S";
    QTest::newRow("撤消") << int(cmd::kEditUndo) << "Ctrl+Z|Alt+Backspace";
    QTest::newRow("重做") << int(cmd::kEditRedo) << "Ctrl+Y|Ctrl+Shift+Z";
    QTest::newRow("慢速乱转") << int(cmd::kSlowScramble) << "F5";
    QTest::newRow("高速乱转") << int(cmd::kFastScramble) << "F6";
    QTest::newRow("配置") << int(cmd::kOptions) << "F8";
    QTest::newRow("投影视图") << int(cmd::kProjectionView) << "F4";
    QTest::newRow("帮助") << int(cmd::kHelp) << "F1";
    QTest::newRow("新建") << int(cmd::kFileNew) << "Ctrl+N";
    QTest::newRow("上一窗格") << int(cmd::kPrevPane) << "Shift+F6";
    QTest::newRow("复制") << int(cmd::kEditCopy) << "Ctrl+C|Ctrl+Ins";
    QTest::newRow("剪切") << int(cmd::kEditCut) << "Ctrl+X|Shift+Del";
    QTest::newRow("粘贴") << int(cmd::kEditPaste) << "Ctrl+V|Shift+Ins";
    QTest::newRow("另存为") << int(cmd::kFileSaveAs) << "";
    QTest::newRow("阳光效果") << int(cmd::kSunlight) << "";
    QTest::newRow("7X7X7") << int(cmd::kNewGame7) << "";
  }
  void idsAndShortcuts() {
    QFETCH(int, id);
    QFETCH(QString, keys);
    QAction* action = frame_->Action(id);
    QVERIFY(action);
    QCOMPARE(action->data().toInt(), id);
    QStringList got;
    for (const QKeySequence& k : action->shortcuts()) got << k.toString(QKeySequence::PortableText);
    QCOMPARE(got.join('|'), keys);
  }

  void enabledAndCheckedStatesPerOrder() {
    for (int order = 2; order <= 7; ++order) {
      frame_->RunCommand(cmd::NewGameCommand(order));
      frame_->UpdateCommandUi();
      QCOMPARE(frame_->View()->Cube().Order(), order);
      QCOMPARE(frame_->Action(cmd::kProjectionView)->isEnabled(), order == 3);
      QVERIFY(frame_->Action(cmd::kProjectionView)->isChecked());
      QVERIFY(!frame_->Action(cmd::kEditUndo)->isEnabled());
      QVERIFY(!frame_->Action(cmd::kEditCopy)->isEnabled());
      QVERIFY(frame_->Action(cmd::kThemeNumbers)->isChecked());
      QVERIFY(!frame_->Action(cmd::kSunlight)->isChecked());
      QVERIFY(!frame_->Action(cmd::kBackgroundNone)->isChecked());
      QVERIFY(frame_->Action(cmd::kPaneSolver)->isChecked());
      QVERIFY(frame_->Action(cmd::kPaneLog)->isChecked());
    }
    // Theme items: exactly the current theme is checked.
    const int themeIds[] = {cmd::kThemeStandard, cmd::kThemeNumbers, cmd::kThemeLetters, cmd::kThemePictures,
                            cmd::kThemeSymbols,  cmd::kThemeFlavours, cmd::kThemeCurrency, cmd::kThemeDynasties};
    for (int chosen : themeIds) {
      frame_->RunCommand(chosen);
      frame_->UpdateCommandUi();
      for (int id : themeIds) QCOMPARE(frame_->Action(id)->isChecked(), id == chosen);
    }
    frame_->RunCommand(cmd::kThemeStandard);
    QVERIFY(!view::gAppearance.textured);
    frame_->RunCommand(cmd::kSunlight);
    frame_->RunCommand(cmd::kBackgroundNone);
    frame_->UpdateCommandUi();
    QVERIFY(frame_->Action(cmd::kSunlight)->isChecked());
    QVERIFY(frame_->Action(cmd::kBackgroundNone)->isChecked());
    QVERIFY(!view::gAppearance.background);
  }

  // A background picture is read by the program's file reader: a picture loads,
  // while a FIFO or folder with a picture's name is refused at once instead of
  // blocking the window.
  void backgroundPictureFiles() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString picture = dir.filePath("picture.jpg");
    QVERIFY(QFile::copy(":/pictures/background.jpg", picture));
    QVERIFY(frame_->View()->LoadBackgroundFile(picture));
    const QString fifo = dir.filePath("fifo.jpg");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir("folder.bmp"));
    for (const QString& path : {fifo, dir.filePath("folder.bmp")}) {
      test_support::Watchdog watchdog("background " + path.toStdString(), std::chrono::seconds(20));
      QVERIFY(!frame_->View()->LoadBackgroundFile(path));
    }
  }

  void projectionToggleOnlyForOrderThree() {
    view::CRubikView* v = frame_->View();
    frame_->RunCommand(cmd::kProjectionView);
    QVERIFY(!frame_->ProjectionFlag());
    QCOMPARE(v->Camera().tilt, 25.0f);
    QCOMPARE(v->Camera().spin, -30.0f);
    QCOMPARE(v->Camera().eyeHeight, 0.0f);
    QTest::keyClick(frame_->windowHandle(), Qt::Key_F4);
    QVERIFY(frame_->ProjectionFlag());
    QCOMPARE(v->Camera().tilt, 30.0f);
    QCOMPARE(v->Camera().eyeHeight, -0.5f);
    frame_->RunCommand(cmd::kNewGame4);
    frame_->RunCommand(cmd::kProjectionView);
    QVERIFY(frame_->ProjectionFlag());  // greyed out: nothing happens
  }

  void newGamesResetTheCameraPresets() {
    view::CRubikView* v = frame_->View();
    struct Row {
      int order;
      float zoom, tilt, spin, eye;
    };
    const Row rows[] = {{2, 1.8f, 25, -30, 0}, {3, 0.9f, 30, -45, -0.5f}, {4, 1.0f, 25, -30, 0},
                        {5, 0.86f, 25, -30, 0}, {6, 0.8f, 25, -30, 0},    {7, 0.8f, 25, -30, 0}};
    for (const Row& r : rows) {
      // Disturb camera, trackball, visibility and history first.
      v->Camera().zoom = 2.2f;
      v->Trackball().matrix[1] = 0.5f;
      model::gFaceVisibility.visible = {false, true, false, true, false, true};
      v->ApplyCommand("R", 0, 1, 0);
      frame_->RunCommand(cmd::NewGameCommand(r.order));
      QCOMPARE(v->Cube().Order(), r.order);
      QCOMPARE(v->Camera().zoom, r.zoom);
      QCOMPARE(v->Camera().tilt, r.tilt);
      QCOMPARE(v->Camera().spin, r.spin);
      QCOMPARE(v->Camera().eyeHeight, r.eye);
      QCOMPARE(v->Trackball().matrix, viewmath::WTrackball{}.matrix);
      QCOMPARE(model::gFaceVisibility.visible, model::FaceVisibility{}.visible);
      QCOMPARE(v->Cube().MoveCount(), 0);
    }
  }

  void initialStateAndUndo() {
    view::CRubikView* v = frame_->View();
    const std::string solved = v->Cube().ExportColours();
    v->ApplyCommand("R", 1, 1, 1);
    v->ApplyCommand("U", 1, 1, 1);
    frame_->UpdateCommandUi();
    QVERIFY(frame_->Action(cmd::kEditUndo)->isEnabled());
    QCOMPARE(frame_->MoveCounterPane()->text(), QString("游戏步数 = 2"));
    QTest::keyClick(frame_->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(v->Cube().MoveCount(), 1);
    model::WCube reference;
    model::ApplyCommand(reference, "R", 0, 0, 0);
    QCOMPARE(v->Cube().ExportColours(), reference.ExportColours());
    QTest::keyClick(frame_->windowHandle(), Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(v->Cube().MoveCount(), 0);
    QCOMPARE(v->Cube().ExportColours(), solved);
    frame_->UpdateCommandUi();
    QVERIFY(!frame_->Action(cmd::kEditUndo)->isEnabled());
    // 初始状态 keeps the order, solves the cube and resets the trackball.
    frame_->RunCommand(cmd::kNewGame5);
    v->ApplyCommand("NR", 0, 1, 0);
    v->Trackball().matrix[2] = 0.3f;
    QTest::keyClick(frame_->windowHandle(), Qt::Key_F2);
    QCOMPARE(v->Cube().Order(), 5);
    QCOMPARE(v->Cube().MoveCount(), 0);
    model::WCube solved5;
    solved5.Init(5);
    QCOMPARE(v->Cube().ExportColours(), solved5.ExportColours());
    QCOMPARE(v->Trackball().matrix, viewmath::WTrackball{}.matrix);
  }

  // Undo, redo and what clears redo, through the menu's keys; the expected
  // cube comes from a timeline of the states after each recorded turn.
  void redoSequences_data() {
    QTest::addColumn<QString>("steps");  // T turn, U Ctrl+Z, Y Ctrl+Y, Z Ctrl+Shift+Z, N new game, I 初始状态
    QTest::addColumn<int>("moves");
    QTest::addColumn<bool>("canRedo");
    QTest::newRow("undo all, redo all") << "TTTUUUYYY" << 3 << false;
    QTest::newRow("both redo keys") << "TTUUYZ" << 2 << false;
    QTest::newRow("redo part") << "TTTUUY" << 2 << true;
    QTest::newRow("a new turn clears redo") << "TTUUTY" << 1 << false;
    QTest::newRow("redo with nothing undone") << "TTY" << 2 << false;
    QTest::newRow("a new game clears redo") << "TTUNY" << 0 << false;
    QTest::newRow("初始状态 clears redo") << "TTUUIY" << 0 << false;
    QTest::newRow("undo past the start") << "TUUY" << 1 << false;
  }
  void redoSequences() {
    QFETCH(QString, steps);
    QFETCH(int, moves);
    QFETCH(bool, canRedo);
    view::CRubikView* v = frame_->View();
    const char* const turns[] = {"R", "U'", "F", "L'"};  // quarter turns: one recorded turn each
    std::vector<std::string> timeline{v->Cube().ExportColours()};
    size_t cursor = 0;
    int turned = 0;
    for (const QChar step : steps) {
      switch (step.toLatin1()) {
        case 'T':
          v->ApplyCommand(turns[turned++ % 4], 1, 1, 1);
          timeline.resize(++cursor);
          timeline.push_back(v->Cube().ExportColours());
          break;
        case 'U':
          ControlKey(Qt::Key_Z, Qt::NoModifier);
          if (cursor > 0) --cursor;
          break;
        case 'Y':
        case 'Z':
          if (step == 'Y')
            ControlKey(Qt::Key_Y, Qt::NoModifier);
          else
            ControlKey(Qt::Key_Z, Qt::ShiftModifier);
          if (cursor + 1 < timeline.size()) ++cursor;
          break;
        case 'N':
        case 'I':
          frame_->RunCommand(step == 'N' ? cmd::kNewGame3 : cmd::kInitialState);
          timeline = {v->Cube().ExportColours()};
          cursor = 0;
          break;
      }
      frame_->UpdateCommandUi();
      QVERIFY2(v->Cube().ExportColours() == timeline[cursor], qPrintable(QString("step %1").arg(step)));
      QCOMPARE(frame_->MoveCounterPane()->text(), QString("游戏步数 = %1").arg(cursor));
      QCOMPARE(frame_->Action(cmd::kEditRedo)->isEnabled(), cursor + 1 < timeline.size());
    }
    QCOMPARE(v->Cube().MoveCount(), moves);
    QCOMPARE(frame_->Action(cmd::kEditRedo)->isEnabled(), canRedo);
  }

  void themeItemsAreOneExclusiveGroup() {
    QActionGroup* group = frame_->ThemeGroup();
    QVERIFY(group);
    QCOMPARE(group->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
    QCOMPARE(group->actions().size(), 8);
    for (QAction* a : group->actions()) QVERIFY(cmd::ThemeOfCommand(a->data().toInt()) >= 0);
    // Choosing from the menu: one radio mark, on the chosen theme; choosing it again keeps it.
    for (QAction* chosen : {group->actions()[4], group->actions()[0], group->actions()[0]}) {
      chosen->trigger();
      frame_->UpdateCommandUi();
      for (QAction* a : group->actions()) QCOMPARE(a->isChecked(), a == chosen);
      QCOMPARE(frame_->Theme(), cmd::ThemeOfCommand(chosen->data().toInt()));
    }
  }

  void titlesHaveNoDisplayNameAppended() {
    QCOMPARE(frame_->windowTitle(), QString("魔方 - Rovan魔方求解"));
    QCOMPARE(frame_->windowHandle()->title(), QString("魔方 - Rovan魔方求解"));
    doc_->SetModifiedFlag(true);
    QVERIFY(!frame_->windowTitle().contains(QString("— Rovan魔方")));
  }

  void statusBarPanesAndPrompts() {
    QCOMPARE(frame_->findChild<QLabel*>("hintPane")->text(),
             QString("滑动鼠标左键转动魔方，滑动右键翻动魔方，滚动滑轮缩放魔方"));
    frame_->UpdateCommandUi();
    QCOMPARE(frame_->MoveCounterPane()->text(), QString("游戏步数 = 0"));
    for (int order = 2; order <= 7; ++order) {
      frame_->Action(cmd::NewGameCommand(order))->showStatusText(frame_);
      QCOMPARE(frame_->MessagePane()->text(), order < 7 ? QString("Velmora机电设备有限公司") : QString());
    }
    frame_->Action(cmd::kInitialState)->showStatusText(frame_);
    QVERIFY(!frame_->MessagePane()->text().isEmpty());
  }

  void designedSizeAndPanes() {
    // Opens at 800 × 600, which is also the smallest it gets; it can be maximised.
    QCOMPARE(frame_->size(), QSize(800, 600));
    QCOMPARE(frame_->minimumSize(), QSize(800, 600));
    QVERIFY(frame_->maximumSize().width() > 800 && frame_->maximumSize().height() > 600);
    QVERIFY(frame_->windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(frame_->View()->parentWidget()->width(), 476);
    QSplitter* inner = qobject_cast<QSplitter*>(frame_->View()->parentWidget());
    QVERIFY(inner);
    const int h = inner->height();
    QCOMPARE(frame_->View()->height(), 4 * h / 5 - 36);
    // Hiding and showing the solving column restores its width.
    const int solverWidth = frame_->SolverPane()->width();
    frame_->RunCommand(cmd::kPaneSolver);
    QVERIFY(frame_->SolverPane()->isHidden());
    frame_->UpdateCommandUi();
    QVERIFY(!frame_->Action(cmd::kPaneSolver)->isChecked());
    QTRY_COMPARE(frame_->View()->parentWidget()->width(), 800);
    frame_->RunCommand(cmd::kPaneSolver);
    QVERIFY(!frame_->SolverPane()->isHidden());
    QTRY_COMPARE(frame_->SolverPane()->width(), solverWidth);
    const int logHeight = frame_->MoveLogPane()->height();
    frame_->RunCommand(cmd::kPaneLog);
    QVERIFY(frame_->MoveLogPane()->isHidden());
    frame_->RunCommand(cmd::kPaneLog);
    QTRY_COMPARE(frame_->MoveLogPane()->height(), logHeight);
  }

  void twoPassCloseNeverAsks() {
    shell::CRubikDoc doc;
    CMainFrame frame(doc);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    view::CRubikView* v = frame.View();
    v->ApplyCommand("R", 0, 1, 0);
    doc.SetModifiedFlag(true);
    QSignalSpy stops(&frame, &CMainFrame::stopRequested);
    frame.RunCommand(cmd::kAppExit);
    // The first pass only stops work in progress and asks again.
    QVERIFY(frame.isVisible());
    QCOMPARE(v->Cube().abortAnimation, 1);
    QCOMPARE(v->stopFlag, 1);
    QCOMPARE(stops.count(), 1);
    QTRY_VERIFY(!frame.isVisible());
    QVERIFY(!doc.IsModified());
    QCOMPARE(stops.count(), 1);
  }

  void fontsForChineseAndArial() {
    QFont arial("Arial");
    QVERIFY2(QFontInfo(arial).family().contains("Liberation Sans") || QFontInfo(arial).family() == "Arial",
             qPrintable(QFontInfo(arial).family()));
    QVERIFY(QFontMetrics(frame_->font()).inFontUcs4(U'魔'));
  }
};

ROVAN_GUI_TEST_MAIN(MainWindowTest)
#include "mainwindow.moc"
