#include "shell/CDlgHelp.h"

#include <QFile>
#include <QLabel>

#include "appinfo/BuildDate.h"
#include "appinfo/HelpText.h"
#include "shell/AppIcon.h"
#include "shell/CButtonST.h"
#include "shell/CReadOnlyEdit.h"

namespace shell {

namespace {

// Client-area pixel rectangles of the window's controls.
constexpr QRect kButtonRect(QPoint(400, 4), QPoint(758 - 1, 36 - 1));
constexpr QRect kEditRect(QPoint(8, 40), QPoint(782 - 1, 562 - 1));
constexpr QRect kDateLineRect(QPoint(50, 14), QPoint(368 - 1, 36 - 1));
constexpr QSize kClientSize(790, 570);

QString ToQString(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CDlgHelp::CDlgHelp(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("RVSOLVER "));
  setFont(QFont(QStringLiteral("新宋体"), 10));
  setFixedSize(kClientSize);

  button_ = new CButtonST(QString(), this);
  button_->setObjectName(QString::number(kButtonId));
  button_->setGeometry(kButtonRect);
  button_->SetIcon(AppIcon());
  button_->OffsetColor(CButtonST::kBkIn, 30);

  edit_ = new CReadOnlyEdit(this);
  edit_->setObjectName(QString::number(kEditId));
  edit_->setGeometry(kEditRect);
  edit_->SetBackColor(QColor(224, 255, 255));
  edit_->SetTextColor(QColor(192, 10, 0));

  FillTexts();
  setWindowIcon(AppIcon());
}

void CDlgHelp::FillTexts() {
  QFile resource(QString::fromLatin1(kHelpResource));
  if (resource.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = resource.readAll();
    const std::u16string help =
        appinfo::DecipherHelp(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    edit_->setPlainText(ToQString(help));
  }

  const appinfo::HelpCaptions captions = appinfo::DecipherShortText();
  button_->setText(ToQString(captions.button));
  dateLine_ = new QLabel(
      ToQString(captions.staticText) +
          QString::fromStdString(appinfo::ShortBuildDate(appinfo::ProgramBuildDate())),
      this);
  dateLine_->setGeometry(kDateLineRect);
}

}  // namespace shell
