#pragma once
// A push button filled with one colour: the six colour tools of the solving form.
#include <QColor>
#include <QPushButton>

namespace shell {

class CColorButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CColorButton(const QString& caption, QWidget* parent = nullptr);

  void SetColors(const QColor& text, const QColor& fill);
  QColor FillColor() const { return fill_; }
  QColor TextColor() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor text_;
  QColor fill_;
};

}  // namespace shell
