#pragma once
// A push button with its own colours for three states (pointer over, pointer
// away, focused), an optional flat look (border only while the pointer is over
// it), an optional icon beside the caption and an optional balloon tooltip.
// Used by the move-log form and the help window.
#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <array>

namespace shell {

class BalloonTip;

// The colour moved by `offset` (−255…255) without changing its hue: every channel
// grows (or shrinks) by the same amount, as far as the channel nearest its limit allows.
QColor OffsetColour(const QColor& colour, int offset);

class CButtonST : public QPushButton {
  Q_OBJECT

 public:
  // Colour slots, as the offset and set operations number them.
  enum ColourIndex { kBkIn = 0, kFgIn, kBkOut, kFgOut, kBkFocus, kFgFocus, kColourCount };
  // Results of the colour operations.
  enum Result { kOk = 0, kInvalidIndex = 3, kBadParam = 5 };

  explicit CButtonST(const QString& caption = QString(), QWidget* parent = nullptr);
  ~CButtonST() override;

  int SetColor(int index, const QColor& colour, bool repaint = true);
  int OffsetColor(int index, int offset, bool repaint = true);
  QColor Color(int index) const;
  // Every colour back to the palette's button face and button text.
  void SetDefaultColors(bool repaint = true);

  void SetFlat(bool flat);
  bool IsFlat() const { return flat_; }
  void SetIcon(const QIcon& icon);

  void EnableBalloonTooltip() { balloon_ = true; }
  bool BalloonTooltipEnabled() const { return balloon_; }
  // The text shown when the pointer rests on the button; `activate` false hides it.
  void SetTooltipText(const QString& text, bool activate = true);
  QString TooltipText() const { return tooltipText_; }

  bool IsHovered() const { return hovered_; }
  // The colours the button is painted with now.
  QColor CurrentBackground() const;
  QColor CurrentForeground() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void HideBalloon();

  std::array<QColor, kColourCount> colours_;
  bool flat_ = true;
  bool hovered_ = false;
  bool balloon_ = false;
  bool tooltipActive_ = false;
  QString tooltipText_;
  QIcon icon_;
  BalloonTip* balloonTip_ = nullptr;
};

}  // namespace shell
