// The 3D view under the user's hands: left drags turn layers, right drags
// turn the camera, the wheel zooms, typed keys turn the cube.
#include <QKeyEvent>
#include <QWheelEvent>

#include "GuiTestMain.h"
#include "model/FaceVisibility.h"
#include "model/MoveNotation.h"
#include "model/viewmath/ViewMath.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "view/CRubikView.h"

using viewmath::Mat4;

class ViewInputTest : public QObject {
  Q_OBJECT

  shell::CRubikDoc* doc_ = nullptr;
  shell::CMainFrame* frame_ = nullptr;
  view::CRubikView* view_ = nullptr;

  QPoint ClientPoint(double x, double y, double z) {
    const Mat4 proj = viewmath::Ortho(view_->Setup().volume);
    viewmath::WinPoint w;
    viewmath::Project(x, y, z, view_->SavedModelView(), proj, view_->Setup().viewport, w);
    return QPoint(int(std::lround(w.x)), view_->height() - int(std::lround(w.y)));
  }

  void SendWheel(int delta) {
    const QPointF at(view_->width() / 2.0, view_->height() / 2.0);
    QWheelEvent wheel(at, view_->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view_, &wheel);
  }

 private slots:
  // One window for every test: each new window costs a noticeable time to appear.
  void initTestCase() {
    doc_ = new shell::CRubikDoc;
    frame_ = new shell::CMainFrame(*doc_);
    view_ = frame_->View();
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_));
    QTRY_VERIFY(view_->HasContext());
  }
  void cleanupTestCase() {
    delete frame_;
    delete doc_;
  }
  void init() {
    settings::gSettings.rotationSteps = 3;
    settings::gSettings.rotationDelay = 0;
    frame_->RunCommand(cmd::kNewGame3);
    doc_->SetModifiedFlag(false);
    view_->RedrawNow();
  }

  void leftDragTurnsTheLayerUnderTheSticker_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<double>("ballTurn");  // degrees about the eye's vertical
    QTest::addColumn<QList<double>>("sticker");  // a sticker centre on the surface
    QTest::addColumn<int>("dragAxis");
    QTest::addColumn<int>("dragSign");
    QTest::addColumn<QList<int>>("turn");  // axis, layer, dir
    // Order 3, home camera: F, R and U face the viewer.
    QTest::newRow("3 F right column up = R") << 3 << 0.0 << QList<double>{1, 0, 1.5} << 1 << 1 << QList<int>{0, 2, 0};
    QTest::newRow("3 F left column up = L'") << 3 << 0.0 << QList<double>{-1, 0, 1.5} << 1 << 1 << QList<int>{0, 0, 0};
    QTest::newRow("3 F top row right = U'") << 3 << 0.0 << QList<double>{0, 1, 1.5} << 0 << 1 << QList<int>{1, 2, 1};
    QTest::newRow("3 R top row back = U'") << 3 << 0.0 << QList<double>{1.5, 1, 0} << 2 << -1 << QList<int>{1, 2, 1};
    QTest::newRow("3 U left column back = L'") << 3 << 0.0 << QList<double>{-1, 1.5, 0} << 2 << -1 << QList<int>{0, 0, 0};
    QTest::newRow("3 R middle down = S") << 3 << 0.0 << QList<double>{1.5, 0, 0} << 1 << -1 << QList<int>{2, 1, 0};
    QTest::newRow("2 F right column down = R'") << 2 << 0.0 << QList<double>{0.5, -0.5, 1} << 1 << -1 << QList<int>{0, 1, 1};
    QTest::newRow("5 F inner column up") << 5 << 0.0 << QList<double>{1, 0, 2.5} << 1 << 1 << QList<int>{0, 3, 0};
    QTest::newRow("5 U row right") << 5 << 0.0 << QList<double>{0, 2.5, 1} << 0 << 1 << QList<int>{2, 3, 0};
    // Order 7 with the trackball half turned: L, D and B face the viewer.
    QTest::newRow("7 B left column up") << 7 << 180.0 << QList<double>{-3, 0, -3.5} << 1 << 1 << QList<int>{0, 0, 1};
    QTest::newRow("7 L row to the front") << 7 << 180.0 << QList<double>{-3.5, -1, 0} << 2 << 1 << QList<int>{1, 2, 1};
    QTest::newRow("7 D column right") << 7 << 180.0 << QList<double>{2, -3.5, -1} << 0 << 1 << QList<int>{2, 2, 1};
  }
  void leftDragTurnsTheLayerUnderTheSticker() {
    QFETCH(int, order);
    QFETCH(double, ballTurn);
    QFETCH(QList<double>, sticker);
    QFETCH(int, dragAxis);
    QFETCH(int, dragSign);
    QFETCH(QList<int>, turn);
    frame_->RunCommand(cmd::NewGameCommand(order));
    const Mat4 ball = viewmath::Rotation(ballTurn, 0, 1, 0);
    for (int i = 0; i < 16; ++i) view_->Trackball().matrix[i] = float(ball[i]);
    view_->RedrawNow();
    double end[3] = {sticker[0], sticker[1], sticker[2]};
    end[dragAxis] += 0.4 * dragSign;
    const QPoint s = ClientPoint(sticker[0], sticker[1], sticker[2]);
    const QPoint e = ClientPoint(end[0], end[1], end[2]);
    QVERIFY((e - s).manhattanLength() > 4);
    QTest::mousePress(view_, Qt::LeftButton, Qt::NoModifier, s);
    QTest::mouseMove(view_, e);
    QTest::mouseRelease(view_, Qt::LeftButton, Qt::NoModifier, e);
    model::WCube expected;
    expected.Init(order);
    expected.TurnLayer(turn[0], turn[1], turn[2], 0, 1, 0);
    QCOMPARE(view_->Cube().MoveCount(), 1);
    QCOMPARE(view_->Cube().ExportColours(), expected.ExportColours());
    QVERIFY(!doc_->IsModified());  // turns do not modify the session
  }

  void widgetUpdateAndRepaintDrawTheGlWindow() {
    const long before = view_->FramesDrawn();
    view_->repaint();
    QVERIFY(view_->FramesDrawn() > before);
    const long afterRepaint = view_->FramesDrawn();
    view_->update();
    QTRY_VERIFY(view_->FramesDrawn() > afterRepaint);
  }

  void dragsThatTurnNothing() {
    const QPoint centre = ClientPoint(0, 0, 1.5);
    // Ctrl held at the press disarms the drag.
    QTest::mousePress(view_, Qt::LeftButton, Qt::ControlModifier, centre);
    QTest::mouseRelease(view_, Qt::LeftButton, Qt::NoModifier, centre + QPoint(0, -30));
    // Starting off the cube.
    QTest::mousePress(view_, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(view_, Qt::LeftButton, Qt::NoModifier, QPoint(3, 60));
    QCOMPARE(view_->Cube().MoveCount(), 0);
  }

  void rightDragTurnsTheCameraAndModifies() {
    const auto before = view_->Trackball().matrix;
    const QPoint c(view_->width() / 2, view_->height() / 2);
    QTest::mousePress(view_, Qt::RightButton, Qt::NoModifier, c);
    QTest::mouseMove(view_, c + QPoint(40, 10));
    QTest::mouseRelease(view_, Qt::RightButton, Qt::NoModifier, c + QPoint(40, 10));
    QVERIFY(view_->Trackball().matrix != before);
    QVERIFY(doc_->IsModified());
    QCOMPARE(view_->Cube().MoveCount(), 0);
    // The visible faces follow the camera after a half turn.
    doc_->SetModifiedFlag(false);
    const Mat4 ball = viewmath::Rotation(180, 0, 1, 0);
    for (int i = 0; i < 16; ++i) view_->Trackball().matrix[i] = float(ball[i]);
    view_->RedrawNow();
    QTest::mousePress(view_, Qt::RightButton, Qt::NoModifier, c);
    QTest::mouseMove(view_, c + QPoint(1, 0));
    QTest::mouseRelease(view_, Qt::RightButton, Qt::NoModifier, c + QPoint(1, 0));
    QCOMPARE(model::gFaceVisibility.visible, (std::array<bool, 6>{false, true, false, true, false, true}));
    // A double click puts the trackball and the visible faces back.
    QTest::mouseDClick(view_, Qt::LeftButton, Qt::NoModifier, c);
    QCOMPARE(view_->Trackball().matrix, viewmath::WTrackball{}.matrix);
    QCOMPARE(model::gFaceVisibility.visible, model::FaceVisibility{}.visible);
  }

  void wheelStepsAndLimits() {
    const float start = view_->Camera().zoom;
    SendWheel(120);
    QCOMPARE(view_->Camera().zoom, start + 0.03f);
    QVERIFY(doc_->IsModified());
    SendWheel(-120);
    SendWheel(-120);
    QCOMPARE(view_->Camera().zoom, start + 0.03f - 0.03f - 0.03f);
    const float now = view_->Camera().zoom;
    SendWheel(240);
    SendWheel(-240);
    QCOMPARE(view_->Camera().zoom, now);
    for (int i = 0; i < 100; ++i) SendWheel(120);
    QCOMPARE(view_->Camera().zoom, 2.5f);
    for (int i = 0; i < 100; ++i) SendWheel(-120);
    QCOMPARE(view_->Camera().zoom, 0.1f);
  }

  void typedKeysWithAndWithoutShift_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QString>("token");
    QTest::addColumn<int>("recorded");
    QTest::newRow("R") << 3 << "R" << false << "R" << 1;
    QTest::newRow("Shift R") << 3 << "R" << true << "r'" << 0;  // wide turn on order 3
    QTest::newRow("r") << 3 << "r" << false << "r" << 0;
    QTest::newRow("Shift r") << 3 << "r" << true << "R'" << 1;
    QTest::newRow("r on 5") << 5 << "r" << false << "r" << 1;
    QTest::newRow("x") << 3 << "x" << false << "x" << 0;
    QTest::newRow("Shift X") << 3 << "X" << true << "x'" << 0;
    QTest::newRow("M") << 3 << "M" << false << "M" << 1;
    QTest::newRow("Shift m") << 3 << "m" << true << "M'" << 1;
    QTest::newRow("q") << 3 << "q" << false << "" << 0;
  }
  void typedKeysWithAndWithoutShift() {
    QFETCH(int, order);
    QFETCH(QString, text);
    QFETCH(bool, shift);
    QFETCH(QString, token);
    QFETCH(int, recorded);
    frame_->RunCommand(cmd::NewGameCommand(order));
    QKeyEvent key(QEvent::KeyPress, text.toUpper().at(0).unicode(),
                  shift ? Qt::ShiftModifier : Qt::NoModifier, text);
    QApplication::sendEvent(view_, &key);
    model::WCube expected;
    expected.Init(order);
    model::ApplyCommand(expected, token.toStdString(), 0, 1, 0);
    QCOMPARE(view_->Cube().ExportColours(), expected.ExportColours());
    QCOMPARE(view_->Cube().MoveCount(), recorded);
  }

  void clickedViewTakesKeysAndMenuShortcuts() {
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_));
    // A click on the drawing keeps the keyboard in the main window, on the view.
    QTest::mouseClick(view_->SurfaceWindow(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view_));
    QCOMPARE(QGuiApplication::focusWindow(), frame_->windowHandle());
    QWindow* surface = frame_->windowHandle();
    QTest::keyClick(surface, Qt::Key_R, Qt::NoModifier);  // typed "r": a wide turn on order 3
    model::WCube expected;
    model::ApplyCommand(expected, "r", 0, 0, 0);
    QCOMPARE(view_->Cube().ExportColours(), expected.ExportColours());
    view_->ApplyCommand("U", 0, 1, 0);
    frame_->UpdateCommandUi();  // as the next idle pass does: 撤消 becomes enabled
    QTest::keyClick(surface, Qt::Key_Z, Qt::ControlModifier);  // 撤消 from the menu's keys
    QCOMPARE(view_->Cube().ExportColours(), expected.ExportColours());
    QTest::keyClick(surface, Qt::Key_F2);  // 初始状态
    QCOMPARE(view_->Cube().ExportColours(), model::WCube().ExportColours());
  }

  void keysTypedFasterThanTheAnimationAllRunInOrder() {
    settings::gSettings.rotationSteps = 12;
    settings::gSettings.rotationDelay = 2;
    const struct {
      const char* text;
      bool shift;
      const char* token;
    } keys[] = {{"R", false, "R"}, {"U", false, "U"}, {"f", true, "F'"},
                {"L", false, "L"}, {"d", true, "D'"}, {"B", false, "B"}};
    for (const auto& k : keys)
      QCoreApplication::postEvent(
          view_, new QKeyEvent(QEvent::KeyPress, QChar(k.text[0]).toUpper().unicode(),
                               k.shift ? Qt::ShiftModifier : Qt::NoModifier, k.text));
    const long framesBefore = view_->FramesDrawn();
    QTRY_COMPARE(view_->Cube().MoveCount(), 6);
    model::WCube expected;
    for (const auto& k : keys) model::ApplyCommand(expected, k.token, 0, 1, 0);
    QCOMPARE(view_->Cube().ExportColours(), expected.ExportColours());
    // Every turn was animated: 13 frames each.
    QVERIFY(view_->FramesDrawn() - framesBefore >= 6 * 13);
    for (int i = 0; i < 6; ++i) QCOMPARE(view_->Cube().history[i].axis, expected.history[i].axis);
  }
};

ROVAN_GUI_TEST_MAIN(ViewInputTest)
#include "viewinput.moc"
