#pragma once
// The program's name and version as the user sees them.
namespace rovan {
inline constexpr const char* kProgramName = "Rovan魔方";
inline constexpr const char* kVersionText = "V2.2.7.8";
}  // namespace rovan
