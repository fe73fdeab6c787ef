// The hover button and the command strip on their own: colour offsets, hover
// and tooltip, the strip's cell geometry, its painting of the current and the
// hovered cell, clicks that only take the focus, and the arrow keys.
#include <QAction>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "GuiTestMain.h"
#include "shell/BalloonTip.h"
#include "shell/CButtonST.h"
#include "shell/CCharSetCtrl.h"

using shell::CButtonST;
using shell::CCharSetCtrl;
using shell::StripGeometry;

namespace {
QColor PixelAt(QWidget* widget, QPoint p) { return widget->grab().toImage().pixelColor(p); }
QPoint Centre(const QRect& r) { return r.center(); }
// The colour covering most of a cell: its fill, whatever text is written on it.
QColor CellFill(QWidget* widget, const QRect& cell) {
  const QImage image = widget->grab().toImage();
  QHash<QRgb, int> counts;
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x) ++counts[image.pixel(x, y)];
  QRgb best = 0;
  int bestCount = -1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > bestCount) best = it.key(), bestCount = it.value();
  return QColor(best);
}
}  // namespace

class LogControlsTest : public QObject {
  Q_OBJECT

  QWidget* window_ = nullptr;
  CCharSetCtrl* strip_ = nullptr;

  // A strip of 20 × 8 cells of 20 × 16 pixels with "??", R, U, "@@" loaded.
  void MakeStrip() {
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* other = new QWidget(window_);
    other->setFocusPolicy(Qt::StrongFocus);
    other->setObjectName("other");
    other->setFixedHeight(10);
    strip_ = new CCharSetCtrl(window_);
    strip_->setFixedSize(400, 128);
    layout->addWidget(other);
    layout->addWidget(strip_);
    QVERIFY(strip_->Log().LoadSequence({"R", "U"}));
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
  }

 private slots:
  void cleanup() {
    delete window_;
    window_ = nullptr;
  }

  void offsetColourKeepsTheHue_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("grey +90 stops at white") << QColor(240, 240, 240) << 90 << QColor(255, 255, 255);
    QTest::newRow("+30 fits") << QColor(100, 150, 200) << 30 << QColor(130, 180, 230);
    QTest::newRow("+90 limited by blue") << QColor(100, 150, 200) << 90 << QColor(155, 205, 255);
    QTest::newRow("-30 limited by red") << QColor(20, 100, 200) << -30 << QColor(0, 80, 180);
    QTest::newRow("-255 stops at the darkest channel") << QColor(100, 150, 200) << -255 << QColor(0, 50, 100);
    QTest::newRow("0 keeps") << QColor(1, 2, 3) << 0 << QColor(1, 2, 3);
  }
  void offsetColourKeepsTheHue() {
    QFETCH(QColor, colour);
    QFETCH(int, offset);
    QFETCH(QColor, expected);
    QCOMPARE(shell::OffsetColour(colour, offset), expected);
  }

  void offsetColorReportsBadArguments() {
    CButtonST button("x");
    button.SetColor(CButtonST::kBkIn, QColor(100, 100, 100));
    QCOMPARE(button.OffsetColor(CButtonST::kBkIn, 30), int(CButtonST::kOk));
    QCOMPARE(button.Color(CButtonST::kBkIn), QColor(130, 130, 130));
    QCOMPARE(button.OffsetColor(6, 30), int(CButtonST::kInvalidIndex));
    QCOMPARE(button.OffsetColor(-1, 30), int(CButtonST::kInvalidIndex));
    QCOMPARE(button.OffsetColor(0, 256), int(CButtonST::kBadParam));
    QCOMPARE(button.OffsetColor(0, -256), int(CButtonST::kBadParam));
    QCOMPARE(button.Color(CButtonST::kBkIn), QColor(130, 130, 130));
    QCOMPARE(button.OffsetColor(CButtonST::kFgFocus, -255), int(CButtonST::kOk));
  }

  void hoverPaintsTheInColours() {
    QWidget window;
    auto* button = new CButtonST("x2", &window);
    button->setGeometry(10, 10, 60, 22);
    button->SetColor(CButtonST::kBkIn, QColor(255, 0, 0));
    button->SetColor(CButtonST::kBkOut, QColor(0, 0, 255));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint inside(3, 3);
    QCOMPARE(PixelAt(button, inside), QColor(0, 0, 255));
    QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(button, &enter);
    QVERIFY(button->IsHovered());
    QCOMPARE(PixelAt(button, inside), QColor(255, 0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QCOMPARE(PixelAt(button, inside), QColor(0, 0, 255));
  }

  void tooltipsShowAsBalloons() {
    QWidget window;
    auto* button = new CButtonST(">", &window);
    button->setGeometry(10, 10, 40, 22);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button->SetTooltipText("前进一步");
    QCOMPARE(button->toolTip(), QString("前进一步"));
    button->EnableBalloonTooltip();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &help);
    auto* balloon = button->findChild<shell::BalloonTip*>();
    QVERIFY(balloon);
    QVERIFY(balloon->isVisible());
    QCOMPARE(balloon->Text(), QString("前进一步"));
    // Switched off: no tip at all.
    button->SetTooltipText("前进一步", false);
    QVERIFY(!balloon->isVisible());
    QVERIFY(button->toolTip().isEmpty());
  }

  void stripGeometry_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("cellHeight");
    QTest::addColumn<int>("leftOffset");
    QTest::newRow("250 wide") << QSize(250, 100) << 12 << 12 << 5;
    QTest::newRow("the log pane") << QSize(476, 124) << 23 << 15 << 8;
    QTest::newRow("exact fit") << QSize(400, 128) << 20 << 16 << 0;
    QTest::newRow("too small") << QSize(19, 7) << 0 << 0 << 9;
  }
  void stripGeometry() {
    QFETCH(QSize, client);
    QFETCH(int, cellWidth);
    QFETCH(int, cellHeight);
    QFETCH(int, leftOffset);
    const StripGeometry grid = StripGeometry::For(client);
    QCOMPARE(grid.cellWidth, cellWidth);
    QCOMPARE(grid.cellHeight, cellHeight);
    QCOMPARE(grid.leftOffset, leftOffset);
    QCOMPARE(grid.gridBottom, 8 * cellHeight);
  }

  void cellRectanglesLeaveOnePixelGridLines() {
    const StripGeometry grid = StripGeometry::For(QSize(250, 100));
    QCOMPARE(grid.CellRect(0, 0), QRect(QPoint(6, 1), QPoint(16, 11)));
    QCOMPARE(grid.CellRect(7, 19), QRect(QPoint(5 + 19 * 12 + 1, 7 * 12 + 1), QPoint(5 + 20 * 12 - 1, 8 * 12 - 1)));
    QVERIFY(grid.Contains(QPoint(5, 0)));
    QVERIFY(!grid.Contains(QPoint(4, 0)));
    QVERIFY(!grid.Contains(QPoint(245, 5)));
    QVERIFY(!grid.Contains(QPoint(100, 96)));
  }

  // A click gives the focus and the highlight look, but plays nothing.
  void clickTakesFocusWithoutPlaying() {
    MakeStrip();
    QSignalSpy posted(strip_, &CCharSetCtrl::stepPosted);
    const QRect cursorCell = strip_->Geometry().CellRect(0, 0);
    QCOMPARE(CellFill(strip_, cursorCell), CCharSetCtrl::UnfocusedCursorBackground());
    QTest::mouseClick(strip_, Qt::LeftButton, {}, Centre(strip_->Geometry().CellRect(0, 2)));
    QVERIFY(strip_->hasFocus());
    QCOMPARE(strip_->Log().cursor(), 0);
    QCOMPARE(posted.count(), 0);
    QCOMPARE(CellFill(strip_, cursorCell), strip_->palette().color(QPalette::Highlight));
  }

  void hoverMarksOtherCellsOnly() {
    MakeStrip();
    const StripGeometry grid = strip_->Geometry();
    QTest::mouseMove(strip_, Centre(grid.CellRect(1, 3)));
    QTRY_COMPARE(strip_->HoveredRow(), 1);
    QCOMPARE(strip_->HoveredColumn(), 3);
    QCOMPARE(CellFill(strip_, grid.CellRect(1, 3)), strip_->HoverBackground());
    // Over the cursor's cell the cursor's look stays.
    QTest::mouseMove(strip_, Centre(grid.CellRect(0, 0)));
    QTRY_COMPARE(strip_->HoveredColumn(), 0);
    QCOMPARE(CellFill(strip_, grid.CellRect(0, 0)), CCharSetCtrl::UnfocusedCursorBackground());
    QCOMPARE(CellFill(strip_, grid.CellRect(1, 3)), strip_->palette().color(QPalette::Base));
    // Outside the grid the hovered cell stays.
    QTest::mouseMove(window_, QPoint(5, 2));
    QCOMPARE(strip_->HoveredRow(), 0);
  }

  // The arrows reach the strip even when a shortcut of the window claims them.
  void arrowKeysStepTheLog() {
    MakeStrip();
    auto* shortcut = new QAction(window_);
    shortcut->setShortcut(Qt::Key_Right);
    window_->addAction(shortcut);
    QSignalSpy triggered(shortcut, &QAction::triggered);
    QSignalSpy posted(strip_, &CCharSetCtrl::stepPosted);
    strip_->setFocus();
    QTRY_VERIFY(strip_->hasFocus());
    struct Key {
      Qt::Key key;
      int cell, mode, cursorAfter;
    };
    const Key keys[] = {{Qt::Key_Right, 1, 1, 1}, {Qt::Key_Down, 2, 1, 2},
                        {Qt::Key_Left, 2, 0, 2},  {Qt::Key_Up, 1, 0, 1},
                        {Qt::Key_Right, 1, 1, 1}};
    for (const Key& k : keys) {
      posted.clear();
      QTest::keyClick(strip_, k.key);
      QCOMPARE(posted.count(), 1);
      QCOMPARE(posted.at(0).at(0).toInt(), k.cell);
      QCOMPARE(posted.at(0).at(1).toInt(), k.mode);
      QCOMPARE(strip_->Log().cursor(), k.cursorAfter);
    }
    QCOMPARE(triggered.count(), 0);
  }
};

ROVAN_GUI_TEST_MAIN(LogControlsTest)
#include "logcontrols.moc"
