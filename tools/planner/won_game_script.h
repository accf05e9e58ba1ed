// The planned game as a scenario script: the start command, the keys and
// ticks of the plan, a look at the state at the timeline's fixed points, and
// the win box with the return to the title.
#pragma once

#include <ostream>

#include "tools/planner/won_game_planner.h"

namespace vantorix::planner {

// Throws std::runtime_error if the simulator does not take the script.
void writeWonGame(const Plan& plan, std::ostream& out);

}  // namespace vantorix::planner
