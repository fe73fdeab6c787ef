#include "shell/CPreferencesDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/AppIcon.h"
#include "shell/SettingsStore.h"

namespace shell {

namespace {

using settings::Settings;

// The integer edits in the order they are read, with the range OK enforces.
struct EditField {
  int id;
  int Settings::*field;
  int minValue;
  int maxValue;
};
constexpr EditField kEditFields[] = {
    {CPreferencesDlg::kRotationCount, &Settings::rotationCount, 0, 5000},
    {CPreferencesDlg::kRotationSteps, &Settings::rotationSteps, 0, 500},
    {CPreferencesDlg::kRotationDelay, &Settings::rotationDelay, 0, 50},
    {CPreferencesDlg::kMaxInterval, &Settings::maxInterval, 0, 3000},
};

struct CheckField {
  int id;
  int Settings::*field;
};
constexpr CheckField kCheckFields[] = {
    {CPreferencesDlg::kShowRotations, &Settings::showRotations},
    {CPreferencesDlg::kKeepCenter, &Settings::keepCenter},
};

}  // namespace

CPreferencesDlg::CPreferencesDlg(QWidget* parent) : QDialog(parent), fields_(settings::gSettings) {
  setWindowTitle(tr("选项设置"));
  setWindowIcon(AppIcon());
  auto* column = new QVBoxLayout(this);
  column->addWidget(CreateScrambleGroup());
  column->addWidget(CreateAnimationGroup());
  column->addWidget(CreateMethodGroup(tr("初级解法"), kLayerFirst, kNoFormula,
                                      &Settings::primarySolution, beginnerGroup_));
  column->addWidget(CreateMethodGroup(tr("高级解法"), kPetrus, kMinimumMove, &Settings::minStep,
                                      advancedGroup_));
  column->addWidget(CreateHiddenControls());
  column->addWidget(CreateButtons());
  PutFields();
  setFixedSize(sizeHint());
}

CPreferencesDlg::~CPreferencesDlg() { SaveSettings(SettingsToStore(settings::gSettings, fields_)); }

Settings CPreferencesDlg::SettingsToStore(const Settings& running, const Settings& fields) {
  Settings out = running;
  out.rotationCount = fields.rotationCount;
  out.keepCenter = fields.keepCenter;
  out.showRotations = fields.showRotations;
  return out;
}

QLineEdit* CPreferencesDlg::Edit(int id) const { return qobject_cast<QLineEdit*>(Control(id)); }
QAbstractButton* CPreferencesDlg::Button(int id) const { return qobject_cast<QAbstractButton*>(Control(id)); }

QLineEdit* CPreferencesDlg::AddEdit(QGridLayout* grid, int row, int id, const QString& label, const QString& note) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::number(id));
  edit->setFixedWidth(70);
  controls_.insert(id, edit);
  auto* caption = new QLabel(label, this);
  // One label width in every group, so the edits line up.
  caption->setMinimumWidth(caption->fontMetrics().horizontalAdvance(tr("自动演示间隔")));
  grid->addWidget(caption, row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(new QLabel(note, this), row, 2);
  return edit;
}

QWidget* CPreferencesDlg::CreateScrambleGroup() {
  auto* box = new QGroupBox(tr("随机乱转魔方"), this);
  auto* grid = new QGridLayout(box);
  AddEdit(grid, 0, kRotationCount, tr("随机乱转"), tr("(0-5000 转)"));
  const std::pair<int, const char*> checks[] = {{kShowRotations, QT_TR_NOOP("动态显示随机转动状态")},
                                                {kKeepCenter, QT_TR_NOOP("乱转时固定中心块(奇数价)")}};
  int row = 1;
  for (const auto& [id, text] : checks) {
    auto* check = new QCheckBox(tr(text), this);
    check->setObjectName(QString::number(id));
    controls_.insert(id, check);
    grid->addWidget(check, row++, 0, 1, 3);
  }
  grid->setColumnStretch(2, 1);
  return box;
}

QWidget* CPreferencesDlg::CreateAnimationGroup() {
  auto* box = new QGroupBox(tr("转动状态参数"), this);
  auto* grid = new QGridLayout(box);
  AddEdit(grid, 0, kRotationSteps, tr("转动帧数"), tr("(0-500 帧)"));
  AddEdit(grid, 1, kRotationDelay, tr("每帧延迟"), tr("(0-50 毫秒)"));
  AddEdit(grid, 2, kMaxInterval, tr("自动演示间隔"), tr("(0-3000 毫秒)"));
  grid->setColumnStretch(2, 1);
  return box;
}

QWidget* CPreferencesDlg::CreateMethodGroup(const QString& title, int firstId, int secondId,
                                            int Settings::*field, QButtonGroup*& group) {
  static const QHash<int, QString> kTexts = {{kLayerFirst, tr("层先流行玩法")},
                                             {kNoFormula, tr("不用背公式的玩法")},
                                             {kPetrus, tr("Lars Petrus玩法")},
                                             {kMinimumMove, tr("最小步玩法")}};
  auto* box = new QGroupBox(title, this);
  auto* row = new QHBoxLayout(box);
  group = new QButtonGroup(this);
  // Position in the group = the setting's value; the beginner group lists its second method first.
  const bool secondFirst = firstId == kLayerFirst;
  const int order[2] = {secondFirst ? secondId : firstId, secondFirst ? firstId : secondId};
  for (int id : order) {
    auto* radio = new QRadioButton(kTexts.value(id), this);
    radio->setObjectName(QString::number(id));
    controls_.insert(id, radio);
    const int position = id == firstId ? 0 : 1;
    group->addButton(radio, position);
    row->addWidget(radio);
  }
  row->addStretch();
  connect(group, &QButtonGroup::idClicked, this, [this, field](int position) { OnMethodClicked(field, position); });
  return box;
}

QWidget* CPreferencesDlg::CreateHiddenControls() {
  // The fixed mouse settings have controls that are never shown nor exchanged.
  auto* holder = new QWidget(this);
  auto* grid = new QGridLayout(holder);
  AddEdit(grid, 0, kMinDragDistance, tr("鼠标拖动最小敏感距离"), tr("(0-20 象素)"));
  AddEdit(grid, 1, kMaxDragAngle, tr("鼠标拖动最大视图角度"), tr("(0-135 度)"));
  auto* swap = new QCheckBox(tr("交换鼠标左右键"), this);
  swap->setObjectName(QString::number(kSwapMouseButtons));
  controls_.insert(kSwapMouseButtons, swap);
  grid->addWidget(swap, 2, 0, 1, 3);
  for (int id : {kMinDragDistance, kMaxDragAngle, kSwapMouseButtons}) controls_.value(id)->hide();
  holder->hide();
  return holder;
}

QWidget* CPreferencesDlg::CreateButtons() {
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  auto* ok = new QPushButton(tr("确定"), this);
  auto* defaults = new QPushButton(tr("缺省"), this);
  auto* cancel = new QPushButton(tr("取消"), this);
  ok->setDefault(true);
  defaults->setObjectName(QString::number(kDefaults));
  controls_.insert(kDefaults, defaults);
  row->addStretch();
  for (auto* b : {ok, defaults, cancel}) row->addWidget(b);
  connect(ok, &QPushButton::clicked, this, &CPreferencesDlg::accept);
  connect(defaults, &QPushButton::clicked, this, &CPreferencesDlg::OnDefaults);
  connect(cancel, &QPushButton::clicked, this, &CPreferencesDlg::reject);
  return holder;
}

void CPreferencesDlg::PutFields() {
  for (const EditField& e : kEditFields) Edit(e.id)->setText(QString::number(fields_.*e.field));
  for (const CheckField& c : kCheckFields) Button(c.id)->setChecked(fields_.*c.field != 0);
  // A radio group shows the button whose position equals the field; other values show none.
  for (auto [group, value] : {std::pair{beginnerGroup_, fields_.primarySolution},
                              std::pair{advancedGroup_, fields_.minStep}}) {
    QAbstractButton* chosen = group->button(value);
    group->setExclusive(chosen != nullptr);
    for (QAbstractButton* b : group->buttons()) b->setChecked(b == chosen);
    group->setExclusive(true);
  }
}

bool CPreferencesDlg::ReadFields(Settings& into) {
  for (const EditField& e : kEditFields) {
    QLineEdit* edit = Edit(e.id);
    bool isInteger = false;
    const int value = edit->text().trimmed().toInt(&isInteger);
    QString problem;
    if (!isInteger) {
      problem = QStringLiteral("Enter an integer.");
    } else if (value < e.minValue || value > e.maxValue) {
      problem = QStringLiteral("Enter an integer between %1 and %2.").arg(e.minValue).arg(e.maxValue);
    }
    if (!problem.isEmpty()) {
      QMessageBox box(QMessageBox::Warning, ApplicationTitle(), problem, QMessageBox::Ok, this);
      box.exec();
      edit->setFocus();
      edit->selectAll();
      return false;
    }
    into.*e.field = value;
  }
  for (const CheckField& c : kCheckFields) into.*c.field = Button(c.id)->isChecked() ? 1 : 0;
  return true;
}

void CPreferencesDlg::OnMethodClicked(int Settings::*field, int position) {
  fields_.*field = position;
  settings::gSettings.*field = position;
}

void CPreferencesDlg::OnDefaults() {
  fields_ = Settings{};
  settings::gSettings.primarySolution = 0;
  PutFields();
}

void CPreferencesDlg::accept() {
  // A refused OK leaves the fields as they were: nothing half-read reaches them.
  Settings read = fields_;
  if (!ReadFields(read)) return;
  fields_ = read;
  settings::gSettings = fields_;
  QDialog::accept();
}

}  // namespace shell
