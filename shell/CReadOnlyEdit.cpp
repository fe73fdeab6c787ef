#include "shell/CReadOnlyEdit.h"

namespace shell {

CReadOnlyEdit::CReadOnlyEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);  // a tab stop, so the text can be scrolled with the keys
  ApplyColours();
}

void CReadOnlyEdit::SetBackColor(const QColor& colour) {
  back_ = colour;
  ApplyColours();
}

void CReadOnlyEdit::SetTextColor(const QColor& colour) {
  text_ = colour;
  ApplyColours();
}

void CReadOnlyEdit::ApplyColours() {
  // Both colour groups: a read-only box would otherwise turn grey when the window loses focus.
  QPalette p = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, back_);
    p.setColor(group, QPalette::Text, text_);
  }
  setPalette(p);
  viewport()->setAutoFillBackground(true);
}

}  // namespace shell
