#pragma once
// Canonical face-turn sequences: no face follows itself, and no face follows
// its opposite when it has the lower number (R L is canonical, L R is not).
// The list of one length is enumerated depth first: the first turn over the
// faces R U F L D B, every later turn over R L U D F B, each face with 1, 2, 3
// quarter turns. Lists of lengths 1..5 hold 18, 243, 3 240, 43 254 and
// 577 368 sequences; they give the prefixes of the advanced search and the
// code book of the stored sequences.
#include <cstdint>
#include <vector>

namespace threestage {

using Moves = std::vector<std::uint8_t>;  // face-turn codes 0..17

constexpr int kCodeBookLength = 5;  // longest listed length

bool FollowsCanonically(int previousFace, int face);  // previousFace −1: none
bool IsCanonical(const Moves& moves);

// Number of canonical sequences of a length 0..kCodeBookLength.
std::uint64_t CanonicalCount(int length);
// Index of a canonical sequence in its length's list; the sequence must be canonical.
std::uint64_t CanonicalRank(const std::uint8_t* moves, int length);
// The sequence at an index (< CanonicalCount(length)) of its length's list.
void CanonicalUnrank(std::uint64_t index, int length, std::uint8_t* moves);
// The whole list of one length, sequences one after another.
Moves CanonicalList(int length);

}  // namespace threestage
