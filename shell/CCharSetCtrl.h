#pragma once
// The command strip: the move log (model/MoveLog.h) shown as a paged grid of
// 8 rows × 20 columns, one command per cell, with the current cell highlighted.
// It owns the log. Moving the cursor does not turn the cube: every step is
// handed out through stepPosted, which the log form receives queued, so the
// moves of consecutive steps are played in order after the current handler.
#include <QColor>
#include <QSize>
#include <QWidget>

#include "model/MoveLog.h"

namespace shell {

// Where the cells lie in a strip of the given client size: cells of
// (width / 20) × (height / 8) pixels, the grid centred horizontally.
struct StripGeometry {
  int cellWidth = 0;
  int cellHeight = 0;
  int leftOffset = 0;
  int gridBottom = 0;

  static StripGeometry For(QSize client);
  // The rectangle of the cell in row r, column c; a one-pixel gap is left at its
  // left and top, so the background between cells shows as grid lines.
  QRect CellRect(int row, int column) const;
  bool Contains(QPoint point) const;
};

class CCharSetCtrl : public QWidget {
  Q_OBJECT

 public:
  explicit CCharSetCtrl(QWidget* parent = nullptr);

  movelog::MoveLog& Log() { return log_; }
  const movelog::MoveLog& Log() const { return log_; }

  // The log's steps and jumps; steps are posted, the strip repaints.
  void StepForward();
  void StepBack();
  void PressStepForward();
  void PressStepBack();
  movelog::MoveLog::Jump JumpToEnd();
  movelog::MoveLog::Jump JumpToStart();

  StripGeometry Geometry() const { return StripGeometry::For(size()); }
  int HoveredRow() const { return hoveredRow_; }
  int HoveredColumn() const { return hoveredColumn_; }
  // The cell index shown at (row, column) of the current page.
  int CellIndexAt(int row, int column) const { return log_.pageOffset() + row * movelog::kColumns + column; }

  // Colours of a cell under the pointer.
  QColor HoverTextColour() const { return hoverText_; }
  QColor HoverBackground() const { return hoverBackground_; }
  // The fill of the current cell without the keyboard focus.
  static QColor UnfocusedCursorBackground();

  void SetBold(bool bold);
  void SetItalic(bool italic);

 signals:
  // A step to play: cell `cell`, inverted when `forwardMode` is 0.
  void stepPosted(int cell, int forwardMode);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Post(const std::vector<movelog::PostedStep>& steps);
  void PaintCell(QPainter& painter, const StripGeometry& grid, int row, int column);

  movelog::MoveLog log_;
  QColor hoverText_{0, 0, 255};
  QColor hoverBackground_;
  int hoveredRow_ = -1;
  int hoveredColumn_ = -1;
  bool bold_ = false;
  bool italic_ = false;
};

}  // namespace shell
