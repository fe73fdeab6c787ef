#pragma once
// A read-only, multi-line text box with its own background and text colours,
// which it keeps whatever the style would paint a read-only box with.
#include <QColor>
#include <QPlainTextEdit>

namespace shell {

class CReadOnlyEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CReadOnlyEdit(QWidget* parent = nullptr);

  void SetBackColor(const QColor& colour);
  void SetTextColor(const QColor& colour);
  QColor BackColor() const { return back_; }
  QColor TextColor() const { return text_; }

 private:
  void ApplyColours();

  QColor back_ = Qt::white;
  QColor text_ = Qt::black;
};

}  // namespace shell
