#include "shell/CColorButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace shell {

CColorButton::CColorButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent),
      text_(palette().color(QPalette::ButtonText)),
      fill_(palette().color(QPalette::Button)) {}

void CColorButton::SetColors(const QColor& text, const QColor& fill) {
  text_ = text;
  fill_ = fill;
  update();
}

void CColorButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  const QPalette& pal = palette();
  p.fillRect(r, isEnabled() ? fill_ : pal.color(QPalette::Button));
  const bool pressed = isDown();
  if (!pressed) {
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    QRect inner = r.adjusted(1, 1, -2, -2);
    if (hasFocus() || isDefault()) {
      p.drawRect(inner);
      inner.adjust(1, 1, -1, -1);
    }
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomRight());
  }
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  if (!isEnabled()) {
    p.setPen(Qt::white);
    p.drawText(r.translated(1, 1), flags, text());
    p.setPen(QColor(128, 128, 128));
    p.drawText(r.translated(-1, -1), flags, text());
  } else {
    p.setPen(text_);
    p.drawText(pressed ? r.translated(1, 1) : r.translated(-1, -1), flags, text());
  }
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = r.adjusted(4, 4, -4, -4);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
  }
}

}  // namespace shell
