#include "model/StandardNotation.h"

#include <array>

#include "model/MoveVocabulary.h"

namespace model {

namespace {

// A face of the standard notation: its axis, whether layers are counted from
// the high end (R, U, F), and its clockwise direction seen from outside.
struct Face {
  char letter;
  int axis;
  bool high;
  int dir;
};
constexpr std::array<Face, 6> kFaces = {{
    {'R', 0, true, 0}, {'L', 0, false, 1}, {'U', 1, true, 0},
    {'D', 1, false, 1}, {'F', 2, true, 0}, {'B', 2, false, 1},
}};
// Whole-cube rotations turn as R, U, F; the 3×3×3 slices M, E, S as L, D, F.
constexpr std::string_view kRotations = "xyz";
constexpr std::string_view kSlices = "MES";
constexpr std::array<int, 3> kSliceDirs = {1, 1, 0};

const Face& FaceOf(int axis, bool high) { return kFaces[axis * 2 + (high ? 0 : 1)]; }

const Face* FaceOfLetter(char letter) {
  for (const Face& f : kFaces)
    if (f.letter == letter || f.letter == letter - 'a' + 'A') return &f;
  return nullptr;
}

std::string Suffix(int quarters, bool inverted) { return quarters == 2 ? "2" : inverted ? "'" : ""; }

// The layers a quarter turn of the vocabulary moves, as a bit per layer.
unsigned LayersOf(const QuarterTurn& t, int n) {
  const auto range = [](int first, int count) { return ((1u << count) - 1) << first; };
  switch (t.kind) {
    case TurnKind::kLayer: return range(t.first, 1);
    case TurnKind::kFirst: return range(0, t.count);
    case TurnKind::kLast: return range(n - t.count, t.count);
    case TurnKind::kRange: return range(t.first, t.count);
    case TurnKind::kBoth: return range(0, t.count) | range(n - t.count, t.count);
  }
  return 0;
}

bool SameTurn(const LayerBlock& a, const LayerBlock& b) {
  return a.axis == b.axis && a.first == b.first && a.count == b.count && a.quarters == b.quarters &&
         (a.dir == b.dir || a.quarters == 2);
}

}  // namespace

std::optional<std::vector<LayerBlock>> BlocksOfToken(int order, const std::string& token) {
  const MoveCommand* command = FindCommand(order, token);
  if (!command) return std::nullopt;
  const unsigned layers = LayersOf(command->turn, order);
  std::vector<LayerBlock> blocks;
  for (int layer = 0; layer < order;) {
    if (!(layers >> layer & 1)) {
      ++layer;
      continue;
    }
    LayerBlock block{command->turn.axis, layer, 0, command->turn.dir, command->repeats};
    while (layer < order && (layers >> layer & 1)) ++block.count, ++layer;
    blocks.push_back(block);
  }
  return blocks;
}

std::vector<std::string> StandardTokensOf(int order, const LayerBlock& block) {
  const int n = order;
  const auto named = [&](const std::string& stem, int ownDir) {
    return stem + Suffix(block.quarters, block.dir != ownDir);
  };
  if (block.count >= n) return {named(std::string(1, kRotations[block.axis]), 0)};
  const bool touchesHigh = block.first + block.count == n;
  if (touchesHigh || block.first == 0) {
    const Face& face = FaceOf(block.axis, touchesHigh);
    // R, Rw for two layers, 3Rw for three.
    const std::string prefix = block.count > 2 ? std::to_string(block.count) : "";
    return {named(prefix + face.letter + (block.count > 1 ? "w" : ""), face.dir)};
  }
  std::vector<std::string> tokens;
  for (int layer = block.first; layer < block.first + block.count; ++layer) {
    if (n == 3) {
      tokens.push_back(named(std::string(1, kSlices[block.axis]), kSliceDirs[block.axis]));
      continue;
    }
    // Named from the nearer face; the centre layer of an odd order from the
    // face whose direction it turns in.
    const int fromHigh = n - layer, fromLow = layer + 1;
    const bool high = fromHigh < fromLow || (fromHigh == fromLow && block.dir == FaceOf(block.axis, true).dir);
    const Face& face = FaceOf(block.axis, high);
    tokens.push_back(named(std::to_string(high ? fromHigh : fromLow) + face.letter, face.dir));
  }
  return tokens;
}

std::string ToStandardText(int order, const std::vector<std::string>& tokens) {
  std::string text;
  for (const std::string& token : tokens) {
    const auto blocks = BlocksOfToken(order, token);
    if (!blocks) continue;
    for (const LayerBlock& block : *blocks) {
      for (const std::string& name : StandardTokensOf(order, block)) {
        if (!text.empty()) text += ' ';
        text += name;
      }
    }
  }
  return text;
}

std::optional<LayerBlock> ReadStandardToken(int order, std::string_view token) {
  const int n = order;
  if (n < kMinOrder || n > kMaxOrder) return std::nullopt;
  LayerBlock block;
  bool inverted = false;
  if (token.ends_with("2'")) {
    block.quarters = 2, inverted = true, token.remove_suffix(2);
  } else if (token.ends_with("'")) {
    inverted = true, token.remove_suffix(1);
  } else if (token.ends_with("2")) {
    block.quarters = 2, token.remove_suffix(1);
  }
  int depth = 0;  // a leading layer count or depth, 0 when none is given
  if (!token.empty() && token[0] >= '1' && token[0] <= '9') {
    depth = token[0] - '0';
    token.remove_prefix(1);
  }
  const bool wide = token.size() == 2 && token[1] == 'w';
  if (token.size() != 1 && !wide) return std::nullopt;
  const char letter = token[0];
  int ownDir = 0;
  if (const size_t r = kRotations.find(letter); r != std::string_view::npos && depth == 0 && !wide) {
    block.axis = static_cast<int>(r), block.first = 0, block.count = n;
  } else if (const size_t s = kSlices.find(letter); s != std::string_view::npos && n == 3 && depth == 0 && !wide) {
    block.axis = static_cast<int>(s), block.first = 1, block.count = 1, ownDir = kSliceDirs[s];
  } else if (const Face* face = FaceOfLetter(letter)) {
    const bool lower = letter != face->letter;
    if (lower && wide) return std::nullopt;
    const bool outerBlock = wide || lower;  // Rw, 3Rw, r, 3r
    const int k = depth != 0 ? depth : outerBlock ? 2 : 1;
    if (k > n) return std::nullopt;
    block.axis = face->axis, ownDir = face->dir;
    block.count = outerBlock ? k : 1;
    const int deepest = face->high ? n - k : k - 1;  // the k-th layer from the face
    block.first = outerBlock && face->high ? deepest : outerBlock ? 0 : deepest;
  } else {
    return std::nullopt;
  }
  block.dir = inverted ? 1 - ownDir : ownDir;
  return block;
}

std::optional<std::vector<LayerBlock>> ReadStandardText(int order, std::string_view text, std::string* bad) {
  std::vector<LayerBlock> blocks;
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = text.find_first_not_of(" \t\r\n", i);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
    const std::string_view token = text.substr(start, end - start);
    const auto block = ReadStandardToken(order, token);
    if (!block) {
      if (bad) *bad = std::string(token);
      return std::nullopt;
    }
    blocks.push_back(*block);
    i = end;
  }
  return blocks;
}

std::vector<std::string> ProgramTokensOf(int order, const LayerBlock& block) {
  const std::string* anyDirection = nullptr;
  for (const auto& [token, command] : CommandsOf(order)) {
    if (command.repeats != block.quarters) continue;
    const auto blocks = BlocksOfToken(order, token);
    if (blocks->size() != 1 || !SameTurn(blocks->front(), block)) continue;
    if (blocks->front().dir == block.dir) return {token};
    if (!anyDirection) anyDirection = &token;
  }
  if (anyDirection) return {*anyDirection};
  std::vector<std::string> tokens;
  if (block.count == 1) return tokens;  // every single layer has a token; not reached
  for (int layer = block.first; layer < block.first + block.count; ++layer) {
    for (std::string& token : ProgramTokensOf(order, {block.axis, layer, 1, block.dir, block.quarters}))
      tokens.push_back(std::move(token));
  }
  return tokens;
}

void ApplyBlock(WCube& cube, const LayerBlock& block, int animate, int record, int sound) {
  for (int q = 0; q < block.quarters; ++q) {
    if (block.count == 1) {
      cube.TurnLayer(block.axis, block.first, block.dir, animate, record, sound);
    } else {
      cube.TurnRange(block.axis, block.first, block.count, block.dir, animate, sound);
    }
  }
}

}  // namespace model
