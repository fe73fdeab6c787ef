#pragma once
// The help window: a caption button, the deciphered help text in a read-only
// box and a line with the build date. Without its button or text box the
// window still opens, only without texts.
#include <QDialog>

class QLabel;

namespace shell {

class CButtonST;
class CReadOnlyEdit;

class CDlgHelp : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kButtonId = 1005;
  static constexpr int kEditId = 1067;
  inline static const char* kHelpResource = ":/help/IDR_HELP";

  explicit CDlgHelp(QWidget* parent = nullptr);

  CButtonST* Button() const { return button_; }
  CReadOnlyEdit* Edit() const { return edit_; }
  QLabel* DateLine() const { return dateLine_; }

 private:
  void FillTexts();
  static QString HelpResource();

  CButtonST* button_ = nullptr;
  CReadOnlyEdit* edit_ = nullptr;
  QLabel* dateLine_ = nullptr;
};

}  // namespace shell
