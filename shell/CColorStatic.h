#pragma once
// A frame filled with one colour: the swatch of the colour picked on the solving form.
#include <QColor>
#include <QLabel>

namespace shell {

class CColorStatic : public QLabel {
  Q_OBJECT

 public:
  explicit CColorStatic(QWidget* parent = nullptr);

  void SetFillColor(const QColor& colour);
  void SetTextColor(const QColor& colour);
  QColor FillColor() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
  QColor text_;
};

}  // namespace shell
