#include "shell/CButtonST.h"

#include <QEnterEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <algorithm>
#include <qdrawutil.h>

#include "shell/BalloonTip.h"

namespace shell {

namespace {
constexpr int kIconSize = 16;
constexpr int kIconGap = 4;
constexpr int kFocusInset = 3;
}  // namespace

QColor OffsetColour(const QColor& colour, int offset) {
  const int r = colour.red(), g = colour.green(), b = colour.blue();
  const int shift = offset >= 0 ? std::min({offset, 255 - r, 255 - g, 255 - b})
                                : -std::min({-offset, r, g, b});
  return QColor(r + shift, g + shift, b + shift);
}

CButtonST::CButtonST(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  SetDefaultColors(false);
  setAttribute(Qt::WA_Hover);
}

CButtonST::~CButtonST() = default;

void CButtonST::SetDefaultColors(bool repaint) {
  const QColor face = palette().color(QPalette::Button);
  const QColor text = palette().color(QPalette::ButtonText);
  for (int i = 0; i < kColourCount; ++i) colours_[i] = i % 2 == 0 ? face : text;
  if (repaint) update();
}

int CButtonST::SetColor(int index, const QColor& colour, bool repaint) {
  if (index < 0 || index >= kColourCount) return kInvalidIndex;
  colours_[index] = colour;
  if (repaint) update();
  return kOk;
}

int CButtonST::OffsetColor(int index, int offset, bool repaint) {
  if (index < 0 || index >= kColourCount) return kInvalidIndex;
  if (offset < -255 || offset > 255) return kBadParam;
  return SetColor(index, OffsetColour(colours_[index], offset), repaint);
}

QColor CButtonST::Color(int index) const {
  return index >= 0 && index < kColourCount ? colours_[index] : QColor();
}

void CButtonST::SetFlat(bool flat) {
  flat_ = flat;
  update();
}

void CButtonST::SetIcon(const QIcon& icon) {
  icon_ = icon;
  update();
}

void CButtonST::SetTooltipText(const QString& text, bool activate) {
  tooltipText_ = text;
  tooltipActive_ = activate;
  setToolTip(activate ? text : QString());
  if (balloonTip_ && balloonTip_->isVisible()) {
    if (activate)
      balloonTip_->ShowAt(balloonTip_->pos(), text);
    else
      HideBalloon();
  }
}

// Pressed or under the pointer: the "in" colours; else focused or plain.
QColor CButtonST::CurrentBackground() const {
  if (hovered_ || isDown()) return colours_[kBkIn];
  return colours_[hasFocus() ? kBkFocus : kBkOut];
}

QColor CButtonST::CurrentForeground() const {
  if (hovered_ || isDown()) return colours_[kFgIn];
  return colours_[hasFocus() ? kFgFocus : kFgOut];
}

bool CButtonST::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QPushButton::event(event);
  if (!tooltipActive_ || tooltipText_.isEmpty()) {
    event->ignore();
    return true;
  }
  if (!balloon_) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tooltipText_, this);
    return true;
  }
  if (!balloonTip_) balloonTip_ = new BalloonTip(this);
  balloonTip_->ShowAt(mapToGlobal(QPoint(width() / 2, height())), tooltipText_);
  return true;
}

void CButtonST::HideBalloon() {
  if (balloonTip_) balloonTip_->hide();
}

void CButtonST::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QPushButton::enterEvent(event);
}

void CButtonST::leaveEvent(QEvent* event) {
  hovered_ = false;
  HideBalloon();
  update();
  QPushButton::leaveEvent(event);
}

void CButtonST::mousePressEvent(QMouseEvent* event) {
  HideBalloon();
  QPushButton::mousePressEvent(event);
}

void CButtonST::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = rect();
  const bool pressed = isDown();
  painter.fillRect(frame, CurrentBackground());
  if (pressed)
    qDrawShadePanel(&painter, frame, palette(), true, 1);
  else if (!flat_ || hovered_)
    qDrawShadePanel(&painter, frame, palette(), false, 1);

  QRect content = frame.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
  if (pressed) content.translate(1, 1);
  const QString caption = text();
  const int textWidth = fontMetrics().horizontalAdvance(caption);
  const int iconSide = icon_.isNull() ? 0 : std::min(kIconSize, content.height());
  const int gap = iconSide > 0 && !caption.isEmpty() ? kIconGap : 0;
  const int left = content.left() + (content.width() - (iconSide + gap + textWidth)) / 2;
  if (iconSide > 0) {
    const QRect iconRect(left, content.top() + (content.height() - iconSide) / 2, iconSide, iconSide);
    icon_.paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
  }
  painter.setPen(isEnabled() ? CurrentForeground()
                             : palette().color(QPalette::Disabled, QPalette::ButtonText));
  const QRect textRect(left + iconSide + gap, content.top(), content.right() - left - iconSide - gap + 1,
                       content.height());
  painter.drawText(iconSide > 0 ? textRect : content,
                   (iconSide > 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter | Qt::TextSingleLine,
                   caption);

  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = frame.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
    option.backgroundColor = CurrentBackground();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace shell
