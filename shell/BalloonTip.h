#pragma once
// A tooltip drawn as a balloon: a rounded box of the tooltip colours with a
// small tail pointing at the spot it explains. Hides itself after a while.
#include <QString>
#include <QTimer>
#include <QWidget>

namespace shell {

class BalloonTip : public QWidget {
  Q_OBJECT

 public:
  explicit BalloonTip(QWidget* owner);

  // Shows `text` with the tail's tip at `globalAnchor` (the balloon hangs below it).
  void ShowAt(const QPoint& globalAnchor, const QString& text);
  QString Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QTimer hideTimer_;
};

}  // namespace shell
