#include "shell/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "appinfo/BuildDate.h"
#include "shell/AppIcon.h"
#include "shell/Texts.h"

namespace shell {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Rovan魔方求解"));
  setWindowIcon(AppIcon());

  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcon().pixmap(32, 32));
  version_ = new QLabel(tr("Rovan魔方 V2.2.7.8"), this);
  buildDate_ = new QLabel(tr("建立日期:"), this);
  buildDate_->setObjectName(QString::number(kBuildDateId));
  buildDate_->setText(CoreText("appinfo", appinfo::kAboutBuildLabel) +
                      QString::fromStdString(
                          appinfo::AboutBuildDateTime(appinfo::ProgramBuildDate(), appinfo::ProgramBuildTime())));

  auto* ok = new QPushButton(tr("确定"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 16, 16, 12);
  grid->setHorizontalSpacing(16);
  grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(version_, 0, 1);
  grid->addWidget(buildDate_, 1, 1);
  grid->addWidget(ok, 0, 2, Qt::AlignTop);
  grid->setColumnStretch(1, 1);
  setFixedSize(sizeHint().expandedTo(QSize(280, 150)));
}

QString CAboutDlg::VersionText() const { return version_->text(); }
QString CAboutDlg::BuildDateText() const { return buildDate_->text(); }

}  // namespace shell
