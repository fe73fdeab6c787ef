#pragma once
// The settings store: QSettings of "Velmora Industries" / "Rovan魔方",
// section "Settings". Integers as numbers, colours as four bytes (red, green, blue, 0).
#include <QtGlobal>
#include <array>
#include <cstdint>

class QString;

namespace settings {
struct Settings;
}

namespace shell {

inline constexpr const char* kCompanyName = "Velmora Industries";
inline constexpr const char* kApplicationName = QT_TR_NOOP("Rovan魔方");

// The application title of message boxes, in the user's language. The store's
// application name stays kApplicationName whatever the language.
QString ApplicationTitle();

// Sets the organisation and application names every QSettings uses.
void RegisterSettingsLocation();
// Reads the stored preferences into settings::gSettings, clamped into range.
void LoadSettings();
// Writes settings::gSettings (or the given record) to the store.
void SaveSettings();
void SaveSettings(const settings::Settings& from);

// What the window remembers between runs (shell/SettingsStore.h keeps it):
// its normal size, whether it was maximised, the solving column's width, the
// log row's height and smooth edges; 0 (−1 for smooth edges) = not stored.
// Smooth edges are stored only once the user has chosen them.
struct WindowLayout {
  int width = 0, height = 0;
  bool maximised = false;
  int solverWidth = 0, logHeight = 0;
  int smoothEdges = -1;
};
WindowLayout LoadWindowLayout();
void SaveWindowLayout(const WindowLayout& layout);
// Written as soon as the 外观 menu's "抗锯齿" changes.
void SaveSmoothEdges(bool on);

// Face colours "Color0".."Color5" as 0x00BBGGRR, defaults where missing or malformed.
std::array<std::uint32_t, 6> LoadFaceColours();
void SaveFaceColours(const std::array<std::uint32_t, 6>& colours);

}  // namespace shell
