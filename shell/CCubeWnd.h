#pragma once
// The painted net of the solving form: six faces of N×N cells (N = 2..4) laid
// out as a cross (U above, L F R B in a row, D below), each cell holding a
// palette index 1..6. A left click selects the face under the pointer and, with
// a colour tool in hand, paints the cell there.
#include <QColor>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

namespace shell {

struct NetFace {
  char letter = 'U';
  std::array<std::array<std::uint8_t, 8>, 8> cells{};  // the top-left N×N are used
  QRect rect;                                          // as last drawn
};

class CCubeWnd : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kId = 1084;
  static constexpr std::uint32_t kUnpaintedColour = 0x006E6E6E;

  explicit CCubeWnd(QWidget* parent = nullptr);

  int Order() const { return order_; }
  void SetOrder(int order);  // 2..4; other orders keep the current one
  // Every face filled with its own index (U 1, F 2, … D 6), rectangles emptied.
  void ResetNet();
  // The facelet text of the net: '0' + index − 1 for every cell, faces U F R B L D.
  std::string ReadNet() const;

  // Palette entry 0 is the grey of an unpainted cell, 1..6 the tools' colours (0x00BBGGRR).
  void SetPaletteEntry(int index, std::uint32_t colour);
  std::uint32_t PaletteEntry(int index) const { return palette_[index]; }

  // 0 = no tool in hand, 1..6 = the tool index + 1.
  void SetPaintIndex(int index) { paintIndex_ = index; }
  int PaintIndex() const { return paintIndex_; }

  // A left press at (x, y): select the face and paint the cell under it.
  void PaintAt(int x, int y);

  const NetFace& Face(int face) const { return faces_[face]; }
  int SelectedFace() const { return selected_; }  // −1 for none
  int CellSize() const { return cellSize_; }
  // The centre of cell (row, column) of a face as the net draws it now.
  QPoint CellCentre(int face, int row, int column) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Layout();  // the cell size and every face's rectangle for the current size

  int order_ = 3;
  std::array<std::uint32_t, 7> palette_{};
  std::array<NetFace, 6> faces_;
  int selected_ = -1;
  int cellSize_ = 0;
  int paintIndex_ = 0;
};

// 0x00BBGGRR as a colour.
QColor ColourOfValue(std::uint32_t value);
std::uint32_t ValueOfColour(const QColor& colour);

}  // namespace shell
