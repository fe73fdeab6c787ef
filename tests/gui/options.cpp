// The options dialog: what it shows, what OK, Cancel and "缺省" do to the
// running settings, the range messages, and what reaches the store on close.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include "GuiTestMain.h"
#include "settings/Settings.h"
#include "shell/CPreferencesDlg.h"
#include "shell/SettingsStore.h"

using shell::CPreferencesDlg;
using settings::Settings;

namespace {

// Answers every message box that opens while it lives, remembering their texts.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts_ << box->text();
        box->accept();
      }
    });
    timer_.start(10);
  }
  QStringList texts() const { return texts_; }

 private:
  QTimer timer_;
  QStringList texts_;
};

int Stored(const char* name, int missing = -1) {
  QSettings store;
  store.beginGroup(QStringLiteral("Settings"));
  return store.value(QString::fromUtf8(name), missing).toInt();
}

// A running state far from every default.
Settings Customised() {
  Settings s;
  s.rotationCount = 300;
  s.showRotations = 0;
  s.keepCenter = 0;
  s.rotationSteps = 10;
  s.rotationDelay = 5;
  s.maxInterval = 200;
  s.primarySolution = 1;
  s.minStep = 1;
  return s;
}

}  // namespace

class OptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { shell::RegisterSettingsLocation(); }

  void init() {
    settings::gSettings = Settings{};
    QSettings().clear();
  }

  void showsTheRunningSettings() {
    settings::gSettings = Customised();
    CPreferencesDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("选项设置"));
    QCOMPARE(dialog.Edit(CPreferencesDlg::kRotationCount)->text(), QStringLiteral("300"));
    QCOMPARE(dialog.Edit(CPreferencesDlg::kRotationSteps)->text(), QStringLiteral("10"));
    QCOMPARE(dialog.Edit(CPreferencesDlg::kRotationDelay)->text(), QStringLiteral("5"));
    QCOMPARE(dialog.Edit(CPreferencesDlg::kMaxInterval)->text(), QStringLiteral("200"));
    QVERIFY(!dialog.Button(CPreferencesDlg::kShowRotations)->isChecked());
    QVERIFY(!dialog.Button(CPreferencesDlg::kKeepCenter)->isChecked());
    QVERIFY(dialog.Button(CPreferencesDlg::kNoFormula)->isChecked());
    QVERIFY(!dialog.Button(CPreferencesDlg::kLayerFirst)->isChecked());
    QVERIFY(dialog.Button(CPreferencesDlg::kMinimumMove)->isChecked());
    QVERIFY(!dialog.Button(CPreferencesDlg::kPetrus)->isChecked());
  }

  void defaultsShowLayerFirstAndPetrus() {
    CPreferencesDlg dialog;
    QVERIFY(dialog.Button(CPreferencesDlg::kLayerFirst)->isChecked());
    QVERIFY(dialog.Button(CPreferencesDlg::kPetrus)->isChecked());
    QVERIFY(dialog.Button(CPreferencesDlg::kShowRotations)->isChecked());
    QVERIFY(dialog.Button(CPreferencesDlg::kKeepCenter)->isChecked());
  }

  void fixedSettingsHaveHiddenControls() {
    CPreferencesDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (int id : {CPreferencesDlg::kMinDragDistance, CPreferencesDlg::kMaxDragAngle,
                   CPreferencesDlg::kSwapMouseButtons}) {
      QVERIFY2(dialog.Control(id) != nullptr, qPrintable(QString::number(id)));
      QVERIFY2(!dialog.Control(id)->isVisible(), qPrintable(QString::number(id)));
    }
    for (int id : {CPreferencesDlg::kRotationCount, CPreferencesDlg::kMinimumMove, CPreferencesDlg::kDefaults}) {
      QVERIFY(dialog.Control(id)->isVisible());
    }
  }

  void okCopiesEveryFieldAndTheStoreGetsThem() {
    {
      CPreferencesDlg dialog;
      dialog.Edit(CPreferencesDlg::kRotationCount)->setText(QStringLiteral("5000"));
      dialog.Edit(CPreferencesDlg::kRotationSteps)->setText(QStringLiteral(" 0 "));
      dialog.Edit(CPreferencesDlg::kRotationDelay)->setText(QStringLiteral("50"));
      dialog.Edit(CPreferencesDlg::kMaxInterval)->setText(QStringLiteral("3000"));
      dialog.Button(CPreferencesDlg::kShowRotations)->click();
      dialog.Button(CPreferencesDlg::kKeepCenter)->click();
      dialog.Button(CPreferencesDlg::kNoFormula)->click();
      dialog.Button(CPreferencesDlg::kMinimumMove)->click();
      dialog.accept();
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      const Settings& s = settings::gSettings;
      QCOMPARE(s.rotationCount, 5000);
      QCOMPARE(s.rotationSteps, 0);
      QCOMPARE(s.rotationDelay, 50);
      QCOMPARE(s.maxInterval, 3000);
      QCOMPARE(s.showRotations, 0);
      QCOMPARE(s.keepCenter, 0);
      QCOMPARE(s.primarySolution, 1);
      QCOMPARE(s.minStep, 1);
      QCOMPARE(Stored("Rotation Count"), -1);  // written only when the dialog goes away
    }
    QCOMPARE(Stored("Rotation Count"), 5000);
    QCOMPARE(Stored("Rotation Steps"), 0);
    QCOMPARE(Stored("Rotation Delay"), 50);
    QCOMPARE(Stored("Max Interval"), 3000);
    QCOMPARE(Stored("Show Rotations"), 0);
    QCOMPARE(Stored("Keep Center"), 0);
    QCOMPARE(Stored("Primary solution"), 1);
    QCOMPARE(Stored("Min Step"), 1);
  }

  void badEntriesAreRefused_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    const QString between = QStringLiteral("Enter an integer between %1 and %2.");
    const QString integer = QStringLiteral("Enter an integer.");
    QTest::newRow("501 frames") << int(CPreferencesDlg::kRotationSteps) << "501" << between.arg(0).arg(500);
    QTest::newRow("5001 turns") << int(CPreferencesDlg::kRotationCount) << "5001" << between.arg(0).arg(5000);
    QTest::newRow("negative delay") << int(CPreferencesDlg::kRotationDelay) << "-1" << between.arg(0).arg(50);
    QTest::newRow("3001 ms") << int(CPreferencesDlg::kMaxInterval) << "3001" << between.arg(0).arg(3000);
    QTest::newRow("letters") << int(CPreferencesDlg::kMaxInterval) << "abc" << integer;
    QTest::newRow("empty") << int(CPreferencesDlg::kRotationSteps) << "" << integer;
    QTest::newRow("fraction") << int(CPreferencesDlg::kRotationDelay) << "1.5" << integer;
    QTest::newRow("beyond int") << int(CPreferencesDlg::kRotationCount) << "99999999999" << integer;
  }

  void badEntriesAreRefused() {
    QFETCH(int, id);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    settings::gSettings = Customised();
    CPreferencesDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Edit(CPreferencesDlg::kRotationCount)->setText(QStringLiteral("123"));  // read before the bad one
    dialog.Edit(id)->setText(entry);
    {
      MessageBoxAnswerer answerer;
      dialog.accept();
      QCOMPARE(answerer.texts(), QStringList{message});
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.Edit(id)));
    QCOMPARE(dialog.Edit(id)->selectedText(), entry);
    QCOMPARE(settings::gSettings.rotationSteps, Customised().rotationSteps);
    QCOMPARE(settings::gSettings.rotationCount, Customised().rotationCount);
    // A refused OK leaves nothing half-read for Cancel to store.
    QCOMPARE(dialog.Fields().rotationCount, Customised().rotationCount);
    dialog.reject();
  }

  void minimumMoveThenCancelStillChoosesIt() {
    {
      CPreferencesDlg dialog;
      dialog.Button(CPreferencesDlg::kMinimumMove)->click();
      QCOMPARE(settings::gSettings.minStep, 1);  // at once, before OK
      dialog.Button(CPreferencesDlg::kNoFormula)->click();
      QCOMPARE(settings::gSettings.primarySolution, 1);
      dialog.reject();
    }
    QCOMPARE(settings::gSettings.minStep, 1);
    QCOMPARE(settings::gSettings.primarySolution, 1);
    QCOMPARE(Stored("Min Step"), 1);
    CPreferencesDlg reopened;
    QVERIFY(reopened.Button(CPreferencesDlg::kMinimumMove)->isChecked());
  }

  void defaultsThenCancel() {
    settings::gSettings = Customised();
    {
      CPreferencesDlg dialog;
      dialog.Button(CPreferencesDlg::kDefaults)->click();
      QCOMPARE(dialog.Edit(CPreferencesDlg::kRotationCount)->text(), QStringLiteral("100"));
      QCOMPARE(dialog.Edit(CPreferencesDlg::kRotationSteps)->text(), QStringLiteral("60"));
      QCOMPARE(dialog.Edit(CPreferencesDlg::kRotationDelay)->text(), QStringLiteral("1"));
      QCOMPARE(dialog.Edit(CPreferencesDlg::kMaxInterval)->text(), QStringLiteral("1000"));
      QVERIFY(dialog.Button(CPreferencesDlg::kShowRotations)->isChecked());
      QVERIFY(dialog.Button(CPreferencesDlg::kKeepCenter)->isChecked());
      QVERIFY(dialog.Button(CPreferencesDlg::kLayerFirst)->isChecked());
      QVERIFY(dialog.Button(CPreferencesDlg::kPetrus)->isChecked());
      QCOMPARE(settings::gSettings.primarySolution, 0);  // at once
      QCOMPARE(settings::gSettings.minStep, 1);          // only on OK
      dialog.reject();
    }
    Settings expected = Customised();
    expected.primarySolution = 0;
    const Settings& s = settings::gSettings;
    QCOMPARE(s.rotationCount, expected.rotationCount);
    QCOMPARE(s.showRotations, expected.showRotations);
    QCOMPARE(s.keepCenter, expected.keepCenter);
    QCOMPARE(s.rotationSteps, expected.rotationSteps);
    QCOMPARE(s.rotationDelay, expected.rotationDelay);
    QCOMPARE(s.maxInterval, expected.maxInterval);
    QCOMPARE(s.primarySolution, 0);
    QCOMPARE(s.minStep, 1);
    // The next run starts with the default scramble values, the rest as running.
    QCOMPARE(Stored("Rotation Count"), 100);
    QCOMPARE(Stored("Keep Center"), 1);
    QCOMPARE(Stored("Show Rotations"), 1);
    QCOMPARE(Stored("Rotation Steps"), 10);
    QCOMPARE(Stored("Rotation Delay"), 5);
    QCOMPARE(Stored("Max Interval"), 200);
    QCOMPARE(Stored("Primary solution"), 0);
    QCOMPARE(Stored("Min Step"), 1);
  }

  void defaultsThenOkTakesEveryDefault() {
    settings::gSettings = Customised();
    {
      CPreferencesDlg dialog;
      dialog.Button(CPreferencesDlg::kDefaults)->click();
      dialog.accept();
    }
    const Settings defaults;
    const Settings& s = settings::gSettings;
    QCOMPARE(s.rotationCount, defaults.rotationCount);
    QCOMPARE(s.rotationSteps, defaults.rotationSteps);
    QCOMPARE(s.maxInterval, defaults.maxInterval);
    QCOMPARE(s.minStep, 0);
    QCOMPARE(s.minDragDistance, defaults.minDragDistance);
    QCOMPARE(s.maxDragAngle, defaults.maxDragAngle);
    QCOMPARE(Stored("Min Step"), 0);
    QCOMPARE(Stored("Rotation Steps"), 60);
  }
};

ROVAN_GUI_TEST_MAIN(OptionsTest)
#include "options.moc"
