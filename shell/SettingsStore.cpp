#include "shell/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSettings>

#include "settings/Settings.h"

namespace shell {

namespace {
constexpr const char* kSection = "Settings";

QString ColourName(int i) { return QStringLiteral("Color%1").arg(i); }
}  // namespace

void RegisterSettingsLocation() {
  QCoreApplication::setOrganizationName(kCompanyName);
  QCoreApplication::setApplicationName(kApplicationName);
}

void LoadSettings() {
  QSettings store;
  store.beginGroup(kSection);
  settings::LoadSettings(settings::gSettings, [&store](const char* name) -> std::optional<std::int64_t> {
    const QVariant v = store.value(QString::fromUtf8(name));
    if (!v.isValid()) return std::nullopt;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return static_cast<std::int64_t>(n);
  });
}

void SaveSettings() { SaveSettings(settings::gSettings); }

void SaveSettings(const settings::Settings& from) {
  QSettings store;
  store.beginGroup(kSection);
  settings::SaveSettings(from, [&store](const char* name, int value) {
    store.setValue(QString::fromUtf8(name), value);
  });
}

std::array<std::uint32_t, 6> LoadFaceColours() {
  QSettings store;
  store.beginGroup(kSection);
  std::array<std::uint32_t, 6> colours;
  for (int i = 0; i < 6; ++i) {
    const QByteArray bytes = store.value(ColourName(i)).toByteArray();
    if (bytes.size() != 4) {
      colours[i] = settings::kDefaultFaceColours[i];
      continue;
    }
    colours[i] = std::uint32_t(std::uint8_t(bytes[0])) | std::uint32_t(std::uint8_t(bytes[1])) << 8 |
                 std::uint32_t(std::uint8_t(bytes[2])) << 16;
  }
  return colours;
}

void SaveFaceColours(const std::array<std::uint32_t, 6>& colours) {
  QSettings store;
  store.beginGroup(kSection);
  for (int i = 0; i < 6; ++i) {
    const char bytes[4] = {char(colours[i] & 0xFF), char((colours[i] >> 8) & 0xFF),
                           char((colours[i] >> 16) & 0xFF), 0};
    store.setValue(ColourName(i), QByteArray(bytes, 4));
  }
}

}  // namespace shell
