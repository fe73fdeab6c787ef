#include "shell/CCharSetCtrl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

namespace shell {

using movelog::kColumns;
using movelog::kRows;

namespace {
const char* const kCellFontFamily = "新宋体";
}

StripGeometry StripGeometry::For(QSize client) {
  StripGeometry grid;
  grid.cellWidth = client.width() / kColumns;
  grid.cellHeight = client.height() / kRows;
  grid.leftOffset = (client.width() - kColumns * grid.cellWidth) / 2;
  grid.gridBottom = kRows * grid.cellHeight;
  return grid;
}

QRect StripGeometry::CellRect(int row, int column) const {
  const int left = leftOffset + column * cellWidth + 1;
  const int top = row * cellHeight + 1;
  return QRect(left, top, cellWidth - 1, cellHeight - 1);
}

bool StripGeometry::Contains(QPoint point) const {
  return cellWidth > 0 && cellHeight > 0 && point.x() >= leftOffset &&
         point.x() < leftOffset + kColumns * cellWidth && point.y() >= 0 && point.y() < gridBottom;
}

CCharSetCtrl::CCharSetCtrl(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("RubikCmdCtrl"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  // Every pixel is painted here, into Qt's backing store: no erase, no flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  hoverBackground_ = palette().color(QPalette::Button);
}

// The classic scroll-bar grey of the platform this program comes from.
QColor CCharSetCtrl::UnfocusedCursorBackground() { return QColor(200, 200, 200); }

void CCharSetCtrl::SetBold(bool bold) {
  bold_ = bold;
  update();
}

void CCharSetCtrl::SetItalic(bool italic) {
  italic_ = italic;
  update();
}

void CCharSetCtrl::Post(const std::vector<movelog::PostedStep>& steps) {
  for (const movelog::PostedStep& step : steps) emit stepPosted(step.cell, step.forwardMode);
  update();
}

void CCharSetCtrl::StepForward() { Post(log_.StepForward()); }
void CCharSetCtrl::StepBack() { Post(log_.StepBack()); }
void CCharSetCtrl::PressStepForward() { Post(log_.PressStepForward()); }
void CCharSetCtrl::PressStepBack() { Post(log_.PressStepBack()); }

movelog::MoveLog::Jump CCharSetCtrl::JumpToEnd() {
  auto jump = log_.JumpToEnd();
  update();
  return jump;
}

movelog::MoveLog::Jump CCharSetCtrl::JumpToStart() {
  auto jump = log_.JumpToStart();
  update();
  return jump;
}

// --- Painting -------------------------------------------------------------

void CCharSetCtrl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  qDrawShadeRect(&painter, rect(), palette(), true, 1);  // etched edge
  const StripGeometry grid = Geometry();
  if (grid.cellWidth <= 0 || grid.cellHeight <= 0) return;
  QFont font(QString::fromUtf8(kCellFontFamily));
  font.setPixelSize(std::max(1, std::min(grid.cellWidth, grid.cellHeight)));
  font.setBold(bold_);
  font.setItalic(italic_);
  painter.setFont(font);
  for (int row = 0; row < kRows; ++row)
    for (int column = 0; column < kColumns; ++column) PaintCell(painter, grid, row, column);
}

void CCharSetCtrl::PaintCell(QPainter& painter, const StripGeometry& grid, int row, int column) {
  const int index = CellIndexAt(row, column);
  const QRect cell = grid.CellRect(row, column);
  const QRect textRect = cell.adjusted(0, 0, 1, 1);
  const QString text = QString::fromStdString(log_.Cell(index));
  QColor fill = palette().color(QPalette::Base);
  QColor ink = palette().color(QPalette::Text);
  int alignment = Qt::AlignCenter;
  const bool isCursor = index == log_.cursor();
  if (isCursor) {
    fill = hasFocus() ? palette().color(QPalette::Highlight) : UnfocusedCursorBackground();
    ink = hasFocus() ? palette().color(QPalette::HighlightedText) : QColor(Qt::black);
  } else if (row == hoveredRow_ && column == hoveredColumn_) {
    fill = hoverBackground_;
    ink = hoverText_;
    alignment = Qt::AlignHCenter | Qt::AlignTop;
  }
  painter.fillRect(cell, fill);
  painter.save();
  painter.setClipRect(textRect);
  painter.setPen(ink);
  painter.drawText(textRect, alignment | Qt::TextSingleLine, text);
  painter.restore();
  if (isCursor) {
    painter.save();
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    painter.restore();
  }
}

// --- Mouse and keys -------------------------------------------------------

void CCharSetCtrl::mouseMoveEvent(QMouseEvent* event) {
  const StripGeometry grid = Geometry();
  const QPoint at = event->position().toPoint();
  if (!grid.Contains(at)) return;
  const int row = at.y() / grid.cellHeight;
  const int column = (at.x() - grid.leftOffset) / grid.cellWidth;
  if (row == hoveredRow_ && column == hoveredColumn_) return;
  if (hoveredRow_ >= 0) update(grid.CellRect(hoveredRow_, hoveredColumn_).adjusted(0, 0, 1, 1));
  hoveredRow_ = row;
  hoveredColumn_ = column;
  update(grid.CellRect(row, column).adjusted(0, 0, 1, 1));
}

// A click only takes the focus: the cursor stays and nothing is played.
void CCharSetCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  activateWindow();
  setFocus(Qt::MouseFocusReason);
  update();
}

void CCharSetCtrl::mouseReleaseEvent(QMouseEvent*) {}

void CCharSetCtrl::focusInEvent(QFocusEvent*) { update(); }
void CCharSetCtrl::focusOutEvent(QFocusEvent*) { update(); }

namespace {
bool IsArrowKey(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}
}  // namespace

// The arrow keys belong to the strip, ahead of any shortcut or focus movement.
bool CCharSetCtrl::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && IsArrowKey(static_cast<QKeyEvent*>(event)->key())) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void CCharSetCtrl::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      StepForward();
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      StepBack();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace shell
