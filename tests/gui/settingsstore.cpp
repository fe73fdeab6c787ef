// The settings store: QSettings under the company and program names, section
// "Settings"; loaded values are clamped, saved values read back.
#include <QSettings>

#include "GuiTestMain.h"
#include "shell/SettingsStore.h"

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    shell::RegisterSettingsLocation();
    QCOMPARE(QCoreApplication::organizationName(), QString("Velmora Industries"));
    QCOMPARE(QCoreApplication::applicationName(), QString("Rovan魔方"));
  }
  void init() { QSettings().clear(); }

  void emptyStoreGivesDefaults() {
    settings::gSettings.rotationSteps = 7;
    shell::LoadSettings();
    QCOMPARE(settings::gSettings.rotationSteps, 60);
    QCOMPARE(settings::gSettings.rotationDelay, 1);
    QCOMPARE(settings::gSettings.maxInterval, 1000);
    QCOMPARE(shell::LoadFaceColours()[0], std::uint32_t(0x0000FFFF));
  }

  void handEditedValuesAreClamped() {
    {
      QSettings store;
      store.beginGroup("Settings");
      store.setValue("Rotation Steps", 2000000000);
      store.setValue("Max Interval", -50);
      store.setValue("Rotation Delay", "lots");
      store.setValue("Keep Center", 9);
      store.setValue("Color2", QByteArray("\x01\x02", 2));  // malformed: default
    }
    shell::LoadSettings();
    QCOMPARE(settings::gSettings.rotationSteps, 500);
    QCOMPARE(settings::gSettings.maxInterval, 0);
    QCOMPARE(settings::gSettings.rotationDelay, 1);
    QCOMPARE(settings::gSettings.keepCenter, 1);
    QCOMPARE(shell::LoadFaceColours()[2], std::uint32_t(0x000000FF));
  }

  void saveThenLoadRoundTrips() {
    settings::gSettings.rotationSteps = 12;
    settings::gSettings.rotationCount = 4321;
    settings::gSettings.showRotations = 0;
    settings::gSettings.minStep = 1;
    shell::SaveSettings();
    shell::SaveFaceColours({0x00123456, 1, 2, 3, 4, 5});
    settings::gSettings = settings::Settings{};
    shell::LoadSettings();
    QCOMPARE(settings::gSettings.rotationSteps, 12);
    QCOMPARE(settings::gSettings.rotationCount, 4321);
    QCOMPARE(settings::gSettings.showRotations, 0);
    QCOMPARE(settings::gSettings.minStep, 1);
    QCOMPARE(shell::LoadFaceColours()[0], std::uint32_t(0x00123456));
    QSettings store;
    QCOMPARE(store.value("Settings/Rotation Steps").toInt(), 12);
    // Colours as four bytes: red, green, blue, 0.
    QCOMPARE(store.value("Settings/Color0").toByteArray(), QByteArray("\x56\x34\x12\x00", 4));
  }
};

ROVAN_GUI_TEST_MAIN(SettingsStoreTest)
#include "settingsstore.moc"
