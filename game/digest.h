// The state's fingerprint: 64-bit FNV-1a over every field, taken in the byte
// order of the fields' names, each as 4 bytes little-endian. Two runs whose
// digests differ are in different states, so a recording carries digests
// that a replay must meet tick for tick.
#pragma once

#include <cstdint>

#include "game/game_state.h"

namespace vantorix {

std::uint64_t digest(const GameState& s);

// The 16 lowercase hexadecimal digits a recording writes; `text` gets them
// and a terminating zero.
void formatDigest(std::uint64_t value, char (&text)[17]);

}  // namespace vantorix
