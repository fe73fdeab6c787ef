#pragma once
// The last-layer cases that no join of macros reaches within 16 turns are
// solved by the two-phase search instead: the case is handed over as a whole
// cube, every solution of more than 16 turns is refused, and the shortest one
// found within the time budget is kept. Found sequences can be logged and read
// back, so an interrupted run resumes where it stopped. Used by tools/threestage_gen.cpp only.
#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <mutex>
#include <stdexcept>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "input/Conversions.h"
#include "solvers/threestage/CubePieces.h"
#include "solvers/threestage/MoveSequences.h"
#include "solvers/twophase/KFacelet.h"
#include "solvers/twophase/SolverControl.h"
#include "solvers/twophase/TwoPhaseSearch.h"
#include "solvers/twophase/TwoPhaseTables.h"

namespace lastlayer_search {

using namespace threestage;

// The facelet text (colours '0' + block, blocks U F R B L D) of a placement of
// every tracked piece. A piece's stickers follow its tracked sticker in the
// same cyclic order wherever it is.
inline std::string FaceletText(const Tracked& t) {
  std::string text(kStickerCount, '?');
  for (int block = 0; block < 6; ++block) text[block * 9 + 4] = static_cast<char>('0' + block);
  for (int piece = 0; piece < kCornerCount; ++piece) {
    const int spot = CornerSpot(t[piece]);
    const auto& at = CornerStickers(spot / 3);
    const auto& home = CornerStickers(piece);
    for (int i = 0; i < 3; ++i) text[at[(spot % 3 + i) % 3]] = static_cast<char>('0' + home[i] / 9);
  }
  for (int piece = 0; piece < kEdgeCount; ++piece) {
    const int spot = EdgeSpot(t[kCornerCount + piece]);
    const auto& at = EdgeStickers(spot / 2);
    const auto& home = EdgeStickers(piece);
    for (int i = 0; i < 2; ++i) text[at[(spot % 2 + i) % 2]] = static_cast<char>('0' + home[i] / 9);
  }
  return text;
}

// False for placements no sequence of turns reaches (wrong parity, twist or flip).
inline bool Reachable(const Tracked& t) {
  twophase::KFacelet facelets(input::ToLabelledFaces(FaceletText(t)));
  return facelets.Validate() == 0;
}

// "R2 U' F …" in the two-phase solver's names, as this solver's turn codes.
inline Moves ParseMoves(const std::string& text) {
  static constexpr char kLetters[] = "RUFLDB";  // in this solver's face order
  Moves moves;
  for (size_t i = 0; i < text.size(); ++i) {
    const char* letter = std::char_traits<char>::find(kLetters, 6, text[i]);
    if (!letter) continue;
    int amount = 1;
    if (i + 1 < text.size() && text[i + 1] == '2') amount = 2;
    if (i + 1 < text.size() && text[i + 1] == '\'') amount = 3;
    moves.push_back(static_cast<std::uint8_t>(TurnCode(static_cast<int>(letter - kLetters), amount)));
  }
  return moves;
}

class Collector : public twophase::OutputWindow {
 public:
  void SetText(const std::string&) override {}
  void OnSolution(const std::string& moves, int) override {
    std::lock_guard<std::mutex> guard(lock_);
    best_ = moves;
    found_ = true;
  }
  bool Found() const { return found_.load(); }
  std::string Best() {
    std::lock_guard<std::mutex> guard(lock_);
    return best_;
  }

 private:
  std::mutex lock_;
  std::string best_;
  std::atomic<bool> found_{false};
};

// The facelet text of the case seen after a whole-cube rotation.
inline std::string RotatedFaceletText(const Tracked& t, int rotation) {
  const std::string text = FaceletText(t);
  std::array<std::uint8_t, kStickerCount> colours{};
  for (int p = 0; p < kStickerCount; ++p) colours[p] = static_cast<std::uint8_t>(text[p] - '0');
  State state{};
  if (!ReadColours(colours, state)) throw std::runtime_error("unreadable last-layer case");
  const State turned = RotatedState(state, rotation);
  std::string out(kStickerCount, '?');
  for (int sticker = 0; sticker < kStickerCount; ++sticker) out[turned[sticker]] = static_cast<char>('0' + sticker / 9);
  return out;
}

// A sequence of at most maxLength turns that takes the placement home. The
// two-phase search favours turns of one axis, so a case that is slow to solve
// with its last layer on D can be quick with it on F or R: the case is searched
// in those three frames at once, until one frame has found a solution and
// `seconds` have passed; the shortest solution wins. Throws when no frame finds
// one or a solution does not solve the case.
inline Moves SolveCase(const twophase::TwoPhaseTables& tables, const Tracked& t, int maxLength, double seconds) {
  const int rotations[] = {RotationIndex(0, 0, 0), RotationIndex(1, 0, 0), RotationIndex(0, 0, 1)};
  constexpr int kFrames = 3;
  twophase::SolverControl controls[kFrames];
  Collector collectors[kFrames];
  twophase::CKube cubes[kFrames];
  for (int f = 0; f < kFrames; ++f) {
    twophase::KFacelet facelets(input::ToLabelledFaces(RotatedFaceletText(t, rotations[f])));
    if (facelets.Validate() != 0) throw std::runtime_error("unreachable last-layer case");
    cubes[f] = facelets;
    controls[f].outputWindow = &collectors[f];
    controls[f].best.store(static_cast<std::uint8_t>(maxLength + 1));
  }
  std::atomic<int> running{kFrames};
  std::vector<std::thread> searches;
  for (int f = 0; f < kFrames; ++f) {
    searches.emplace_back([&, f] {
      twophase::TwoPhaseSearch search(tables, controls[f], cubes[f], false, false);
      search.Run();
      --running;
    });
  }
  const auto start = std::chrono::steady_clock::now();
  while (running.load() > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    bool found = false;
    for (const auto& c : collectors) found = found || c.Found();
    if (elapsed >= seconds && found) {
      for (auto& c : controls) c.stop.store(true);
    }
  }
  for (auto& s : searches) s.join();
  Moves best;
  bool haveBest = false;
  for (int f = 0; f < kFrames; ++f) {
    if (!collectors[f].Found()) continue;
    Moves moves = Relettered(ParseMoves(collectors[f].Best()), RotationFaceMap(InverseRotation(rotations[f])));
    Simplify(moves);
    Tracked check = t;
    for (auto code : moves) ApplyTurn(check, code);
    if (check != SolvedTracked()) throw std::runtime_error("two-phase sequence does not solve its case");
    if (!haveBest || moves.size() < best.size()) best = moves;
    haveBest = true;
  }
  if (!haveBest) throw std::runtime_error("no last-layer sequence within the bound");
  return best;
}

// Sequences found by earlier runs ("case: turn codes" lines), so that an
// interrupted run need not search them again.
inline std::map<int, Moves> ReadSearchLog(const std::string& path) {
  std::map<int, Moves> found;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    int index = 0;
    char colon = 0;
    if (!(fields >> index >> colon) || colon != ':') continue;
    Moves moves;
    for (int code = 0; fields >> code;) {
      if (code >= 0 && code < kTurnCodes) moves.push_back(static_cast<std::uint8_t>(code));
    }
    found[index] = moves;
  }
  return found;
}

inline void AppendSearchLog(const std::string& path, int index, const Moves& moves) {
  if (path.empty()) return;
  std::ofstream out(path, std::ios::app);
  out << index << " :";
  for (auto code : moves) out << ' ' << static_cast<int>(code);
  out << '\n';
}

}  // namespace lastlayer_search
