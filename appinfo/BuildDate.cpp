#include "appinfo/BuildDate.h"

#include <array>
#include <string_view>

namespace appinfo {

BuildDateParts SplitBuildDate(const std::string& date) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  BuildDateParts parts{"", "0", ""};
  if (date.size() < 11) return parts;
  for (size_t m = 0; m < kMonths.size(); ++m) {
    if (std::string_view(date).substr(0, 3) == kMonths[m]) parts.month = std::to_string(m + 1);
  }
  parts.day = date.substr(4, 2);
  if (!parts.day.empty() && parts.day[0] == ' ') parts.day.erase(0, 1);
  parts.year = date.substr(7, 4);
  return parts;
}

std::string AboutBuildText(const std::string& date, const std::string& time) {
  return kAboutBuildLabel + AboutBuildDateTime(date, time);
}

std::string AboutBuildDateTime(const std::string& date, const std::string& time) {
  return ShortBuildDate(date) + " " + time;
}

std::string ShortBuildDate(const std::string& date) {
  const auto p = SplitBuildDate(date);
  return p.year + "/" + p.month + "/" + p.day;
}

std::string ProgramBuildDate() { return __DATE__; }
std::string ProgramBuildTime() { return __TIME__; }

}  // namespace appinfo
