// The simulator's message observer, which the fuzzer checks the invariants by.
#include "tools/sim/simulator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace vantorix::sim {
namespace {

TEST(SimulatorObserver, SeesEveryMessageOnItsOwnAndCanEndTheRun) {
  std::ostringstream out;
  std::ostringstream err;
  Simulator simulator(out);
  std::vector<i32> ticks;
  simulator.observeMessages([&](const GameState& s) {
    ticks.push_back(s.tickCount);
    return ticks.size() < 6;
  });
  std::istringstream script("command 302\ntick 3\nkey left\nrun 5\nget tickCount\n");
  EXPECT_EQ(simulator.run(script, err), 0) << err.str();
  EXPECT_EQ(ticks, (std::vector<i32>{0, 1, 2, 3, 3, 4}));
  EXPECT_TRUE(simulator.ended());
  EXPECT_EQ(out.str(), "") << "nothing runs after the observer ends the run";
}

}  // namespace
}  // namespace vantorix::sim
