#include "shell/CColorStatic.h"

#include <QPainter>

namespace shell {

CColorStatic::CColorStatic(QWidget* parent)
    : QLabel(parent), fill_(palette().color(QPalette::Button)), text_(palette().color(QPalette::WindowText)) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
}

void CColorStatic::SetFillColor(const QColor& colour) {
  fill_ = colour;
  repaint();
}

void CColorStatic::SetTextColor(const QColor& colour) {
  text_ = colour;
  repaint();
}

void CColorStatic::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.fillRect(contentsRect(), fill_);
    p.setPen(text_);
    p.drawText(contentsRect(), Qt::AlignCenter, text());
  }
  QFrame::paintEvent(event);  // the sunken frame only
}

}  // namespace shell
