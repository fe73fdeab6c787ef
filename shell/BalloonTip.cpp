#include "shell/BalloonTip.h"

#include <QPainter>
#include <QPainterPath>

namespace shell {

namespace {
constexpr int kTail = 8;         // height of the tail below the anchor
constexpr int kMargin = 6;       // text inset inside the box
constexpr int kRadius = 6;       // corner radius
constexpr int kShowMs = 5000;    // how long a balloon stays
}  // namespace

BalloonTip::BalloonTip(QWidget* owner) : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_ShowWithoutActivating);
  hideTimer_.setSingleShot(true);
  connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void BalloonTip::ShowAt(const QPoint& globalAnchor, const QString& text) {
  text_ = text;
  const QSize textSize = fontMetrics().size(0, text_);
  resize(textSize.width() + 2 * kMargin + 1, textSize.height() + 2 * kMargin + kTail + 1);
  move(globalAnchor - QPoint(kTail * 2, 0));
  show();
  raise();
  update();
  hideTimer_.start(kShowMs);
}

void BalloonTip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box(0.5, kTail + 0.5, width() - 1.0, height() - kTail - 1.0);
  QPainterPath path;
  path.addRoundedRect(box, kRadius, kRadius);
  QPainterPath tail;
  tail.moveTo(kTail * 1.5, box.top() + 1);
  tail.lineTo(kTail * 2, 0.5);
  tail.lineTo(kTail * 3, box.top() + 1);
  tail.closeSubpath();
  path = path.united(tail);
  painter.setPen(palette().color(QPalette::ToolTipText));
  painter.setBrush(palette().color(QPalette::ToolTipBase));
  painter.drawPath(path);
  painter.drawText(box.adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::AlignLeft | Qt::AlignTop,
                   text_);
}

}  // namespace shell
