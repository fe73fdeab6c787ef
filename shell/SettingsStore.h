#pragma once
// The settings store: QSettings of "Velmora Industries" / "Rovan魔方",
// section "Settings". Integers as numbers, colours as four bytes (red, green, blue, 0).
#include <array>
#include <cstdint>

namespace settings {
struct Settings;
}

namespace shell {

inline constexpr const char* kCompanyName = "Velmora Industries";
inline constexpr const char* kApplicationName = "Rovan魔方";

// Sets the organisation and application names every QSettings uses.
void RegisterSettingsLocation();
// Reads the stored preferences into settings::gSettings, clamped into range.
void LoadSettings();
// Writes settings::gSettings (or the given record) to the store.
void SaveSettings();
void SaveSettings(const settings::Settings& from);

// Face colours "Color0".."Color5" as 0x00BBGGRR, defaults where missing or malformed.
std::array<std::uint32_t, 6> LoadFaceColours();
void SaveFaceColours(const std::array<std::uint32_t, 6>& colours);

}  // namespace shell
