// Plans a whole game won with the keys alone: from the start command to the
// boss's defeat, with the ship never hit.
#pragma once

#include <vector>

namespace vantorix::planner {

// The virtual keys pressed before one tick, in order.
using TickKeys = std::vector<int>;

// One entry per tick from the first to the winning one.
using Plan = std::vector<TickKeys>;

// Deterministic: the same rules always give the same plan. Throws
// std::runtime_error if no way to the win is found.
Plan planWonGame();

}  // namespace vantorix::planner
