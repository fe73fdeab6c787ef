#pragma once
// The two-phase solver's entry points. Solve runs on the caller's thread until
// the search ends by itself or RequestStop is called from another thread; it
// shows every text in the output window it is given.
#include <string>
#include <vector>

#include "solvers/twophase/OutputWindow.h"
#include "solvers/twophase/TwoPhaseTables.h"

#include "appinfo/Translatable.h"

namespace twophase {

inline constexpr const char* kColourErrorText = ROVAN_TR_NOOP("错误 : 颜色设置有问题,请重新设置颜色!");
inline constexpr const char* kAlreadySolvedText = ROVAN_TR_NOOP("魔方已经复原");

// labelledFaces: "U:……… D:………" etc. (input::ToLabelledFaces). tableFiles: where the
// table file may be read or written, in order of preference. False only when
// the facelets are invalid (then the window shows kColourErrorText). Only one
// Solve runs at a time; a second call waits for the first to end.
bool Solve(const std::string& labelledFaces, OutputWindow* window, const std::vector<std::string>& tableFiles);
// The same without first clearing stop, so that a stop requested before the
// search began is not lost.
bool SolveKeepingStop(const std::string& labelledFaces, OutputWindow* window,
                      const std::vector<std::string>& tableFiles);

void RequestStop();
bool IsSecondSearchRunning();
bool TablesReady();

// Loads the tables from the first valid file, or builds them (progress texts to
// window) and writes the first file that can be written; once per process.
// Every call resets the best length. False only when the build was abandoned.
bool PrepareTables(const std::vector<std::string>& tableFiles, OutputWindow* window);
const TwoPhaseTables& SharedTables();  // valid once TablesReady()

// The table file beside the executable, then in $XDG_CACHE_HOME/rovan (or
// ~/.cache/rovan) for when the executable's directory cannot be written.
std::vector<std::string> TableFileCandidates(const std::string& executableDir);

// Makes a table build in progress give up (the program is closing); the solve
// then ends without searching.
void AbandonTableBuild(bool abandon);

}  // namespace twophase
