#pragma once
// The program's preferences: one process-wide record, loaded once at start-up
// and written back when the options dialog closes. Every stored value is
// declared once in StoredSettings() with its name in the store, its range and
// its default; loading clamps whatever the store holds into that range, so a
// hand-edited store cannot hang the animation or the playback timer.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace settings {

struct Settings {
  int rotationDelay = 1;      // ms waited per animation frame
  int rotationSteps = 60;     // frames per animated turn
  int rotationCount = 100;    // random turns of a scramble
  int showRotations = 1;      // animate a slow scramble (0/1)
  int keepCenter = 1;         // scrambles leave the middle layer of odd orders (0/1)
  int maxInterval = 1000;     // ms between steps of the log's automatic playback
  int primarySolution = 0;    // beginner method: 0 layer-first, 1 no-formula
  int minStep = 0;            // advanced method: 0 Petrus, 1 minimum-move
  // Fixed values: never stored, never edited.
  float minDragDistance = 0.5f;  // pixels
  float maxDragAngle = 135.0f;   // degrees
  int swapMouseButtons = 0;
};

extern Settings gSettings;

struct StoredSetting {
  const char* name;  // value name in the store's "Settings" section
  int Settings::*field;
  int minValue;
  int maxValue;
  int defaultValue;
  bool isFlag;  // any non-zero stored value reads as 1
};

// Every integer value kept in the store, in the store's documented order.
std::span<const StoredSetting> StoredSettings();
const StoredSetting* FindStoredSetting(const char* name);

// What a stored raw value becomes: flags 0/1, numbers clamped into range,
// a missing value the default.
int ValueFromStore(const StoredSetting& setting, std::optional<std::int64_t> stored);

// Reads every stored value through `read` (nullopt = missing or unreadable)
// and resets the fixed values.
using StoreReader = std::function<std::optional<std::int64_t>(const char* name)>;
using StoreWriter = std::function<void(const char* name, int value)>;
void LoadSettings(Settings& into, const StoreReader& read);
void SaveSettings(const Settings& from, const StoreWriter& write);

// The six default face colours U F R B L D as 0x00BBGGRR (red in the lowest byte).
inline constexpr std::uint32_t kDefaultFaceColours[6] = {
    0x0000FFFF, 0x00FF0000, 0x000000FF, 0x0000FF00, 0x00FF00FF, 0x00FFFFFF};

}  // namespace settings
