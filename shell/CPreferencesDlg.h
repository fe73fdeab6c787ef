#pragma once
// The options dialog "选项设置". It edits its own copy of the settings; the
// method radios take effect at once, the other fields on OK (after range
// checks), and the store is written whenever the dialog goes away, OK or not.
#include <QDialog>
#include <QHash>

#include "settings/Settings.h"

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QLineEdit;

namespace shell {

class CPreferencesDlg : public QDialog {
  Q_OBJECT

 public:
  // Control ids, kept from the dialog's layout so tests and code name the same controls.
  enum ControlId {
    kRotationCount = 1001,
    kShowRotations = 1002,
    kMaxDragAngle = 1003,
    kMinDragDistance = 1004,
    kDefaults = 1005,
    kRotationSteps = 1006,
    kRotationDelay = 1007,
    kSwapMouseButtons = 1008,
    kKeepCenter = 1076,
    kMaxInterval = 1077,
    kPetrus = 1082,
    kMinimumMove = 1083,
    kLayerFirst = 1085,
    kNoFormula = 1086,
  };

  explicit CPreferencesDlg(QWidget* parent = nullptr);
  // Writes the store: see SettingsToStore.
  ~CPreferencesDlg() override;

  const settings::Settings& Fields() const { return fields_; }
  QWidget* Control(int id) const { return controls_.value(id); }
  QLineEdit* Edit(int id) const;
  QAbstractButton* Button(int id) const;

  // What the store receives when the dialog closes: the running settings, except
  // the scramble values, which come from the dialog's fields even after Cancel.
  static settings::Settings SettingsToStore(const settings::Settings& running,
                                            const settings::Settings& fields);

 public slots:
  void accept() override;
  void OnDefaults();

 private:
  QWidget* CreateScrambleGroup();
  QWidget* CreateAnimationGroup();
  QWidget* CreateMethodGroup(const QString& title, int firstId, int secondId, int settings::Settings::*field,
                             QButtonGroup*& group);
  QWidget* CreateHiddenControls();
  QWidget* CreateButtons();
  QLineEdit* AddEdit(QGridLayout* grid, int row, int id, const QString& label, const QString& note);
  void PutFields();
  // Reads every control into `into`; on a bad entry shows the message, focuses the control and fails.
  bool ReadFields(settings::Settings& into);
  void OnMethodClicked(int settings::Settings::*field, int position);

  settings::Settings fields_;
  QHash<int, QWidget*> controls_;
  QButtonGroup* beginnerGroup_ = nullptr;
  QButtonGroup* advancedGroup_ = nullptr;
};

}  // namespace shell
