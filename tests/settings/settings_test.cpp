#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings/Settings.h"

namespace {

using settings::Settings;

// A fake store: a map of raw values; absent names are missing values.
struct FakeStore {
  std::map<std::string, std::int64_t> values;
  settings::StoreReader Reader() const {
    return [this](const char* name) -> std::optional<std::int64_t> {
      auto it = values.find(name);
      if (it == values.end()) return std::nullopt;
      return it->second;
    };
  }
  settings::StoreWriter Writer() {
    return [this](const char* name, int value) { values[name] = value; };
  }
};

TEST(Settings, EmptyStoreGivesTheDefaults) {
  Settings s;
  s.rotationSteps = 3;
  s.maxDragAngle = 1;
  FakeStore store;
  settings::LoadSettings(s, store.Reader());
  EXPECT_EQ(s.rotationDelay, 1);
  EXPECT_EQ(s.rotationSteps, 60);
  EXPECT_EQ(s.rotationCount, 100);
  EXPECT_EQ(s.showRotations, 1);
  EXPECT_EQ(s.keepCenter, 1);
  EXPECT_EQ(s.maxInterval, 1000);
  EXPECT_EQ(s.primarySolution, 0);
  EXPECT_EQ(s.minStep, 0);
  EXPECT_FLOAT_EQ(s.minDragDistance, 0.5f);
  EXPECT_FLOAT_EQ(s.maxDragAngle, 135.0f);
  EXPECT_EQ(s.swapMouseButtons, 0);
}

TEST(Settings, StoredValuesAreClampedIntoTheirRanges) {
  struct Row {
    const char* name;
    std::int64_t stored;
    int expected;
  };
  const Row rows[] = {
      {"Rotation Steps", 2000000000, 500}, {"Rotation Steps", -7, 0},
      {"Rotation Steps", 0, 0},            {"Rotation Steps", 1, 1},
      {"Rotation Delay", 51, 50},          {"Rotation Delay", -1, 0},
      {"Rotation Count", 99999, 5000},     {"Rotation Count", 5000, 5000},
      {"Max Interval", -1000, 0},          {"Max Interval", 3001, 3000},
      {"Max Interval", 2500, 2500},        {"Primary solution", 7, 1},
      {"Min Step", -1, 0},                 {"Show Rotations", -5, 1},
      {"Keep Center", 0, 0},               {"Keep Center", 42, 1},
      {"Rotation Steps", INT64_C(1) << 40, 500},
  };
  for (const Row& row : rows) {
    FakeStore store;
    store.values[row.name] = row.stored;
    Settings s;
    settings::LoadSettings(s, store.Reader());
    const settings::StoredSetting* spec = settings::FindStoredSetting(row.name);
    ASSERT_NE(spec, nullptr) << row.name;
    EXPECT_EQ(s.*(spec->field), row.expected) << row.name << " = " << row.stored;
  }
}

TEST(Settings, SaveThenLoadRoundTrips) {
  Settings written;
  written.rotationDelay = 7;
  written.rotationSteps = 12;
  written.rotationCount = 4321;
  written.showRotations = 0;
  written.keepCenter = 0;
  written.maxInterval = 0;
  written.primarySolution = 1;
  written.minStep = 1;
  FakeStore store;
  settings::SaveSettings(written, store.Writer());
  EXPECT_EQ(store.values.size(), 8u);
  Settings read;
  settings::LoadSettings(read, store.Reader());
  for (const settings::StoredSetting& s : settings::StoredSettings())
    EXPECT_EQ(read.*(s.field), written.*(s.field)) << s.name;
}

TEST(Settings, DefaultsLieInTheirRanges) {
  const Settings defaults;
  for (const settings::StoredSetting& s : settings::StoredSettings()) {
    EXPECT_LE(s.minValue, s.defaultValue) << s.name;
    EXPECT_GE(s.maxValue, s.defaultValue) << s.name;
    EXPECT_EQ(defaults.*(s.field), s.defaultValue) << s.name;
  }
}

}  // namespace
