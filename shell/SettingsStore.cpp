#include "shell/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSettings>

#include "settings/Settings.h"

namespace shell {

namespace {
constexpr const char* kSection = "Settings";

QString ColourName(int i) { return QStringLiteral("Color%1").arg(i); }

// The window's values beside the preferences; a missing or unreadable value reads as `missing`.
struct LayoutValue {
  const char* name;
  int WindowLayout::*field;
  int missing;
};
constexpr LayoutValue kLayoutValues[] = {
    {"Window Width", &WindowLayout::width, 0},      {"Window Height", &WindowLayout::height, 0},
    {"Solver Width", &WindowLayout::solverWidth, 0}, {"Log Height", &WindowLayout::logHeight, 0},
    {"Smooth Edges", &WindowLayout::smoothEdges, -1},
};
constexpr const char* kMaximised = "Window Maximised";
constexpr const char* kSmoothEdges = "Smooth Edges";
constexpr int kLargestWindowSide = 1 << 15;
}  // namespace

QString ApplicationTitle() { return QCoreApplication::translate("shell", kApplicationName); }

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

WindowLayout LoadWindowLayout() {
  QSettings store;
  store.beginGroup(kSection);
  WindowLayout l;
  for (const LayoutValue& v : kLayoutValues) {
    bool ok = false;
    const int n = store.value(QString::fromUtf8(v.name)).toInt(&ok);
    l.*v.field = ok && n >= v.missing && n <= kLargestWindowSide ? n : v.missing;
  }
  if (l.smoothEdges > 1) l.smoothEdges = 1;
  l.maximised = store.value(kMaximised).toInt() != 0;
  return l;
}

void SaveWindowLayout(const WindowLayout& l) {
  QSettings store;
  store.beginGroup(kSection);
  for (const LayoutValue& v : kLayoutValues)
    if (l.*v.field != v.missing) store.setValue(QString::fromUtf8(v.name), l.*v.field);
  store.setValue(kMaximised, l.maximised ? 1 : 0);
}

void SaveSmoothEdges(bool on) {
  QSettings store;
  store.beginGroup(kSection);
  store.setValue(kSmoothEdges, on ? 1 : 0);
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
