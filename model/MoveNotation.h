#pragma once
// The move notation: one token (R, U2', x, NR, T3F, V4B', ...) names one turn
// of the cube. Which tokens exist depends on the cube's order (445 tokens over
// orders 2..7). Matching is exact: case-sensitive, whole token, no trimming;
// anything else is ignored silently.
#include <string>
#include <string_view>
#include <vector>

#include "model/WCube.h"

namespace model {

// Performs the token's quarter turns on the cube, handing the flags to every
// turn unchanged (only single-layer turns record). Does nothing for a text
// outside the vocabulary of the cube's order.
void ApplyCommand(WCube& cube, const std::string& text, int animate, int record, int sound);

// Applies space-separated tokens in order, as ApplyCommand would one by one.
// Returns how many tokens were outside the vocabulary (and so ignored).
int ApplySequence(WCube& cube, std::string_view tokens, int animate = 0, int record = 0,
                  int sound = 0);

bool IsInVocabulary(int order, const std::string& token);

// Every token valid for the order (empty for an order outside 2..7).
std::vector<std::string> VocabularyOf(int order);

// The token typed in the 3D view: the character received and whether Shift was
// held at the key-down. Empty when the key names no token.
std::string TypedKeyToken(char character, bool shiftHeld);

}  // namespace model
