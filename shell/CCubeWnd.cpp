#include "shell/CCubeWnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace shell {

namespace {
constexpr char kFaceLetters[] = "UFRBLD";
// Face origins in units of (N·s, fixed gap) for U F R B L D: the cross layout.
struct Origin {
  int leftCells, leftGap, topCells, topGap;
};
constexpr std::array<Origin, 6> kOrigins{{
    {1, 3, 0, 1},  // U
    {1, 3, 1, 3},  // F
    {2, 5, 1, 3},  // R
    {3, 7, 1, 3},  // B
    {0, 1, 1, 3},  // L
    {1, 3, 2, 5},  // D
}};
// A press is tested against the faces in this order.
constexpr std::array<int, 6> kHitOrder{0, 1, 5, 4, 2, 3};
}  // namespace

QColor ColourOfValue(std::uint32_t value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::uint32_t ValueOfColour(const QColor& colour) {
  return std::uint32_t(colour.red()) | std::uint32_t(colour.green()) << 8 |
         std::uint32_t(colour.blue()) << 16;
}

CCubeWnd::CCubeWnd(QWidget* parent) : QWidget(parent) {
  setObjectName("cubeNet");
  setAttribute(Qt::WA_OpaquePaintEvent);  // the paint covers every pixel
  palette_ = {kUnpaintedColour, 0x0000FFFF, 0x00FF0000, 0x000000FF, 0x0000FF00, 0x00FF00FF, 0x00FFFFFF};
  for (int f = 0; f < 6; ++f) faces_[f].letter = kFaceLetters[f];
  ResetNet();
}

void CCubeWnd::SetOrder(int order) {
  if (order < 2 || order > 4) return;
  order_ = order;
  update();
}

void CCubeWnd::ResetNet() {
  for (int f = 0; f < 6; ++f) {
    for (auto& row : faces_[f].cells) row.fill(std::uint8_t(f + 1));
    faces_[f].rect = QRect();
  }
  update();
}

std::string CCubeWnd::ReadNet() const {
  std::string text;
  text.reserve(6 * order_ * order_);
  for (const NetFace& face : faces_)
    for (int r = 0; r < order_; ++r)
      for (int c = 0; c < order_; ++c) text += char('0' + face.cells[r][c] - 1);
  return text;
}

void CCubeWnd::SetPaletteEntry(int index, std::uint32_t colour) {
  if (index < 0 || index >= int(palette_.size())) return;
  palette_[index] = colour;
  update();
}

void CCubeWnd::Layout() {
  const int n = order_;
  cellSize_ = std::min(height() / (3 * n), width() / (4 * n));
  const int span = n * cellSize_;
  for (int f = 0; f < 6; ++f) {
    const Origin& o = kOrigins[f];
    const QPoint topLeft(o.leftCells * span + o.leftGap, o.topCells * span + o.topGap);
    faces_[f].rect = QRect(topLeft, QSize(span, span));
  }
}

QPoint CCubeWnd::CellCentre(int face, int row, int column) const {
  const QRect& r = faces_[face].rect;
  return r.topLeft() + QPoint(column * cellSize_ + cellSize_ / 2, row * cellSize_ + cellSize_ / 2);
}

void CCubeWnd::paintEvent(QPaintEvent*) {
  Layout();
  QPainter p(this);  // the widget is double-buffered: one transfer to the screen
  p.fillRect(rect(), palette().color(QPalette::Button));
  const int s = cellSize_;
  for (int f = 0; f < 6; ++f) {
    const NetFace& face = faces_[f];
    p.setPen(ColourOfValue(f == selected_ ? 0x00000000 : 0x007F7F7F));
    for (int r = 0; r < order_; ++r)
      for (int c = 0; c < order_; ++c) {
        const QRect cell(face.rect.left() + c * s, face.rect.top() + r * s, s, s);
        p.fillRect(cell, ColourOfValue(palette_[face.cells[r][c]]));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
      }
  }
}

void CCubeWnd::PaintAt(int x, int y) {
  Layout();
  const QPoint point(x, y);
  selected_ = -1;
  for (int f : kHitOrder)
    if (faces_[f].rect.contains(point)) {
      selected_ = f;
      break;
    }
  if (paintIndex_ > 0 && selected_ >= 0 && cellSize_ > 0) {
    NetFace& face = faces_[selected_];
    const int row = (y - face.rect.top()) / cellSize_;
    const int column = (x - face.rect.left()) / cellSize_;
    if (row >= 0 && row < order_ && column >= 0 && column < order_)
      face.cells[row][column] = std::uint8_t(paintIndex_);
  }
  repaint();
}

void CCubeWnd::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    grabMouse();
    PaintAt(event->position().toPoint().x(), event->position().toPoint().y());
  }
}

void CCubeWnd::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) releaseMouse();
}

}  // namespace shell
