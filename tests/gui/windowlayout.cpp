// The resizable main window: the 3D view takes the extra room, the solving
// column and the log row keep their sizes, picking follows the new size, an
// order-7 cube fits a larger view, and the sizes come back next time.
#include <QSplitter>
#include <QStatusBar>

#include "GuiTestMain.h"
#include "MainFrameFixture.h"
#include "StickerDrag.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "shell/SettingsStore.h"

using shell::CMainFrame;

namespace {

// Whether every corner of the cube projects inside the view (with a margin for the rounded bodies).
bool CubeFitsTheView(view::CRubikView& v) {
  v.RedrawNow();
  const double h = v.Cube().Order() / 2.0;
  for (double x : {-h, h})
    for (double y : {-h, h})
      for (double z : {-h, h}) {
        const QPoint p = LogicalPointOf(v, {x, y, z});
        if (!v.rect().adjusted(2, 2, -2, -2).contains(p)) return false;
      }
  return true;
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

  MainFrameFixture fixture_;
  CMainFrame* frame_ = nullptr;

  void Settle() {
    QCoreApplication::processEvents();
    QTest::qWait(50);
    frame_->View()->RedrawNow();
  }

 private slots:
  void initTestCase() {
    QVERIFY(fixture_.Open());
    frame_ = fixture_.frame;
  }
  void cleanupTestCase() { fixture_.Close(); }
  void init() {
    frame_->showNormal();
    frame_->resize(800, 600);
    frame_->RunCommand(cmd::kNewGame3);
    Settle();
  }

  void viewTakesTheExtraRoomAndPickingFollows() {
    view::CRubikView* v = frame_->View();
    const QSize view0 = v->size();
    const int solver0 = frame_->SolverPane()->width();
    const int log0 = frame_->MoveLogPane()->height();
    QCOMPARE(frame_->minimumSize(), QSize(800, 600));
    for (const QSize window : {QSize(1100, 850), QSize(1000, 600), QSize(800, 1000)}) {
      frame_->resize(window);
      QTRY_COMPARE(frame_->size(), window);
      Settle();
      QCOMPARE(v->size(), view0 + (window - QSize(800, 600)));
      QCOMPARE(frame_->SolverPane()->width(), solver0);
      QCOMPARE(frame_->MoveLogPane()->height(), log0);
      // The frame is set up for the new size.
      QCOMPARE(v->Setup().viewport.AsArray(),
               viewmath::ComputeViewSetup(v->width(), v->height()).viewport.AsArray());
      for (const StickerDrag& d : kPresetDrags) {
        frame_->RunCommand(cmd::kNewGame3);
        QVERIFY2(DragTurnsExpectedLayer(*v, d), qPrintable(QString("%1x%2").arg(window.width()).arg(window.height())));
      }
    }
    // It never gets smaller than it opened.
    frame_->resize(600, 400);
    Settle();
    QCOMPARE(frame_->size(), QSize(800, 600));
  }

  void maximisedFillsTheScreen() {
    view::CRubikView* v = frame_->View();
    frame_->showMaximized();
    // Without a window manager nobody else resizes a maximised window.
    const QRect screen = frame_->screen()->availableGeometry();
    if (frame_->size() != screen.size()) frame_->setGeometry(screen);
    QTRY_COMPARE(frame_->size(), screen.size());
    Settle();
    QVERIFY(v->width() > 476 && v->height() > 400);
    QCOMPARE(frame_->statusBar()->isSizeGripEnabled(), !frame_->isMaximized());
    for (const StickerDrag& d : kPresetDrags) {
      frame_->RunCommand(cmd::kNewGame3);
      QVERIFY(DragTurnsExpectedLayer(*v, d));
    }
    frame_->showNormal();
  }

  void orderSevenFitsOnlyALargerView() {
    view::CRubikView* v = frame_->View();
    frame_->RunCommand(cmd::kNewGame7);
    Settle();
    QVERIFY(!CubeFitsTheView(*v));  // the preset camera clips it at 800 × 600
    frame_->resize(1280, 1000);
    QTRY_COMPARE(frame_->size(), QSize(1280, 1000));
    Settle();
    QVERIFY(CubeFitsTheView(*v));
  }

  void sizesAreRememberedWithTheSettings() {
    frame_->resize(1000, 760);
    QTRY_COMPARE(frame_->size(), QSize(1000, 760));
    Settle();
    auto* outer = qobject_cast<QSplitter*>(frame_->SolverPane()->parentWidget());
    auto* inner = qobject_cast<QSplitter*>(frame_->MoveLogPane()->parentWidget());
    outer->setSizes({outer->width() - 360 - outer->handleWidth(), 360});
    inner->setSizes({inner->height() - 200 - inner->handleWidth(), 200});
    shell::SaveWindowLayout(frame_->Layout());

    const shell::WindowLayout stored = shell::LoadWindowLayout();
    QCOMPARE(stored.width, 1000);
    QCOMPARE(stored.height, 760);
    QCOMPARE(stored.solverWidth, 360);
    QCOMPARE(stored.logHeight, 200);
    QVERIFY(!stored.maximised);

    shell::CRubikDoc doc;
    CMainFrame next(doc);
    next.ApplyLayout(stored);
    next.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next));
    QTRY_COMPARE(next.size(), QSize(1000, 760));
    QTRY_COMPARE(next.SolverPane()->width(), 360);
    QCOMPARE(next.MoveLogPane()->height(), 200);
    // A fresh store opens at the designed size.
    QSettings().clear();
    QCOMPARE(shell::LoadWindowLayout().width, 0);
  }

  void smoothEdgesToggleAndStay() {
    view::CRubikView* v = frame_->View();
    QAction* item = frame_->Action(cmd::kSmoothEdges);
    QVERIFY(item->isCheckable());
    const bool before = v->SmoothEdges();
    frame_->RunCommand(cmd::kSmoothEdges);
    frame_->UpdateCommandUi();
    QCOMPARE(v->SmoothEdges(), !before);
    QCOMPARE(item->isChecked(), !before);
    QCOMPARE(shell::LoadWindowLayout().smoothEdges, before ? 0 : 1);
    // The frame still draws, and picking still works, either way.
    QCOMPARE(v->GrabFrame().size(), v->size());
    QVERIFY(DragTurnsExpectedLayer(*v, kPresetDrags[0]));
    frame_->RunCommand(cmd::kSmoothEdges);
    QCOMPARE(v->SmoothEdges(), before);
    QCOMPARE(shell::LoadWindowLayout().smoothEdges, before ? 1 : 0);
  }

  void softwareRenderersAreRecognised() {
    QVERIFY(view::IsSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
    QVERIFY(view::IsSoftwareRenderer("softpipe"));
    QVERIFY(!view::IsSoftwareRenderer("AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)"));
    QVERIFY(!view::IsSoftwareRenderer("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    // Under Xvfb the renderer is Mesa's software one: smooth edges start off.
    shell::CRubikDoc doc;
    CMainFrame fresh(doc);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    QTRY_VERIFY(fresh.View()->HasContext());
    QCOMPARE(fresh.View()->SmoothEdges(), !view::IsSoftwareRenderer(fresh.View()->RendererName()));
  }
};

ROVAN_GUI_TEST_MAIN(WindowLayoutTest)
#include "windowlayout.moc"
