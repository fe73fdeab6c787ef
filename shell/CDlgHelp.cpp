#include "shell/CDlgHelp.h"

#include <QFile>
#include <QLabel>
#include <QLocale>

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

// The deciphered short texts (appinfo/HelpText.cpp), listed for translation.
[[maybe_unused]] const char* const kShortTexts[] = {QT_TRANSLATE_NOOP("shell::CDlgHelp", "Rovan魔方 使用说明（F1 随时打开）"),
                                                    QT_TRANSLATE_NOOP("shell::CDlgHelp", "Rovan魔方 V2.2.7.8 帮助 创建日期：")};

QString ToQString(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CDlgHelp::CDlgHelp(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("RVSOLVER "));
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

// The help in the interface's language (the English one beside the Chinese).
QString CDlgHelp::HelpResource() {
  const QString english = QString::fromLatin1(kHelpResource) + QStringLiteral("_en");
  return QLocale().language() == QLocale::English && QFile::exists(english) ? english
                                                                            : QString::fromLatin1(kHelpResource);
}

void CDlgHelp::FillTexts() {
  QFile resource(HelpResource());
  if (resource.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = resource.readAll();
    const std::u16string help =
        appinfo::DecipherHelp(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    edit_->setPlainText(ToQString(help));
  }

  const appinfo::HelpCaptions captions = appinfo::DecipherShortText();
  button_->setText(tr(ToQString(captions.button).toUtf8().constData()));
  dateLine_ = new QLabel(
      tr(ToQString(captions.staticText).toUtf8().constData()) +
          QString::fromStdString(appinfo::ShortBuildDate(appinfo::ProgramBuildDate())),
      this);
  dateLine_->setGeometry(kDateLineRect);
}

}  // namespace shell
