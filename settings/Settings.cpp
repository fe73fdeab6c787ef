#include "settings/Settings.h"

#include <algorithm>
#include <cstring>

namespace settings {

Settings gSettings;

namespace {

constexpr StoredSetting kStored[] = {
    {"Rotation Delay", &Settings::rotationDelay, 0, 50, 1, false},
    {"Rotation Steps", &Settings::rotationSteps, 0, 500, 60, false},
    {"Rotation Count", &Settings::rotationCount, 0, 5000, 100, false},
    {"Show Rotations", &Settings::showRotations, 0, 1, 1, true},
    {"Keep Center", &Settings::keepCenter, 0, 1, 1, true},
    {"Max Interval", &Settings::maxInterval, 0, 3000, 1000, false},
    {"Primary solution", &Settings::primarySolution, 0, 1, 0, false},
    {"Min Step", &Settings::minStep, 0, 1, 0, false},
};

}  // namespace

std::span<const StoredSetting> StoredSettings() { return kStored; }

const StoredSetting* FindStoredSetting(const char* name) {
  for (const StoredSetting& s : kStored)
    if (std::strcmp(s.name, name) == 0) return &s;
  return nullptr;
}

int ValueFromStore(const StoredSetting& setting, std::optional<std::int64_t> stored) {
  if (!stored) return setting.defaultValue;
  if (setting.isFlag) return *stored != 0 ? 1 : 0;
  return static_cast<int>(std::clamp<std::int64_t>(*stored, setting.minValue, setting.maxValue));
}

void LoadSettings(Settings& into, const StoreReader& read) {
  into.minDragDistance = 0.5f;
  into.maxDragAngle = 135.0f;
  into.swapMouseButtons = 0;
  for (const StoredSetting& s : kStored) into.*(s.field) = ValueFromStore(s, read(s.name));
}

void SaveSettings(const Settings& from, const StoreWriter& write) {
  for (const StoredSetting& s : kStored) write(s.name, from.*(s.field));
}

}  // namespace settings
