// The 3D view at a Qt scale factor of 2 (what a HiDPI screen gives): the GL
// viewport is in device pixels, the cube is framed as at factor 1, and a drag
// still turns the layer under the pointer, at the opening size and larger.
#include "GuiTestMain.h"
#include "MainFrameFixture.h"
#include "StickerDrag.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"

class HiDpiTest : public QObject {
  Q_OBJECT

  MainFrameFixture fixture_;
  shell::CMainFrame* frame_ = nullptr;

 private slots:
  void initTestCase() {
    QVERIFY(fixture_.Open());
    frame_ = fixture_.frame;
  }
  void cleanupTestCase() { fixture_.Close(); }

  void viewportInDevicePixelsAndPicking_data() {
    QTest::addColumn<QSize>("window");
    QTest::newRow("opening size") << QSize(800, 600);
    QTest::newRow("larger") << QSize(1000, 700);
  }
  void viewportInDevicePixelsAndPicking() {
    QFETCH(QSize, window);
    view::CRubikView* v = frame_->View();
    QCOMPARE(v->SurfaceWindow()->devicePixelRatio(), 2.0);
    frame_->resize(window);
    QTRY_COMPARE(frame_->size(), window);
    QCoreApplication::processEvents();
    v->RedrawNow();
    // Framed as the logical view would be at factor 1, in twice the pixels.
    const viewmath::ViewSetup logical = viewmath::ComputeViewSetup(v->width(), v->height());
    QCOMPARE(v->Setup().viewport.width, 2 * logical.viewport.width);
    QCOMPARE(v->Setup().viewport.height, 2 * logical.viewport.height);
    QCOMPARE(v->Setup().volume.Width(), logical.volume.Width());
    QCOMPARE(v->GrabFrame().size(), v->size() * 2);
    for (const StickerDrag& d : kPresetDrags) {
      frame_->RunCommand(cmd::kNewGame3);
      QVERIFY(DragTurnsExpectedLayer(*v, d));
    }
  }
};

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  view::SetDefaultGlFormat();
  QApplication app(argc, argv);
  shell::InstallTranslations(app, shell::UiLanguage::Chinese);
  settings::gSettings.rotationSteps = 3;
  settings::gSettings.rotationDelay = 0;
  HiDpiTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "hidpi.moc"
