#pragma once
// The build date as the about box and the help window show it. The compiler gives
// the date as "Mmm dd yyyy" (day padded with a blank) and the time as "hh:mm:ss".
#include <string>

#include "appinfo/Translatable.h"

namespace appinfo {

struct BuildDateParts {
  std::string year;   // four digits
  std::string month;  // 1..12, no leading zero ("0" when the abbreviation is unknown)
  std::string day;    // the two day characters, a leading blank dropped
};

BuildDateParts SplitBuildDate(const std::string& compilerDate);
// "创建时间 2026/12/9 22:58:43" for the about box: the label, then the date and time.
inline constexpr const char* kAboutBuildLabel = ROVAN_TR_NOOP("创建时间 ");
std::string AboutBuildText(const std::string& compilerDate, const std::string& compilerTime);
std::string AboutBuildDateTime(const std::string& compilerDate, const std::string& compilerTime);
// "2026/12/9" as the help window appends it.
std::string ShortBuildDate(const std::string& compilerDate);

// This program's own build date and time.
std::string ProgramBuildDate();
std::string ProgramBuildTime();

}  // namespace appinfo
