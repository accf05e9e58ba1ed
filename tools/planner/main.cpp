// vantorix-planner: plans a whole game won with the keys alone and writes it
// as the scenario script tests/scenarios/endgame_game_won.sim (make
// plan-won-game), with the output the simulator gives for it.
//
//   vantorix-planner OUTPUT.sim
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "tools/planner/won_game_script.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vantorix-planner OUTPUT.sim\n");
    return 2;
  }
  try {
    const vantorix::planner::Plan plan = vantorix::planner::planWonGame();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    vantorix::planner::writeWonGame(plan, out);
    out.close();
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    std::fprintf(stderr, "vantorix-planner: %zu ticks to the win, written to %s\n", plan.size(),
                 argv[1]);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vantorix-planner: %s\n", e.what());
    return 1;
  }
}
