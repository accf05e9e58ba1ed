#include "game/invariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/game.h"
#include "game/keyboard.h"

namespace vantorix {
namespace {

// A platform that answers every box at random, mostly yes so that games go on
// into the boss fight, and keeps the timer as a flag.
class RandomPlatform final : public Platform {
 public:
  explicit RandomPlatform(std::mt19937& random) : random_(random) {}
  void startGameTimer() override { timerRunning = true; }
  void stopGameTimer() override { timerRunning = false; }
  int showMessageBox(std::string_view, std::string_view, BoxButtons buttons) override {
    if (buttons == BoxButtons::kOk) return kIdOk;
    return random_() % 16 != 0 ? kIdYes : kIdNo;
  }
  void invalidate() override {}
  void postQuit(int) override { quitPosted = true; }
  bool timerRunning = false;
  bool quitPosted = false;

 private:
  std::mt19937& random_;
};

TEST(Invariants, HoldAtStartUp) {
  const GameState s;
  EXPECT_EQ(brokenInvariant(s, s), nullptr);
}

TEST(Invariants, CatchABrokenStateAndABackwardStep) {
  GameState before;
  GameState after;
  after.playerX = 362;
  EXPECT_NE(brokenInvariant(before, after), nullptr);
  after = before;
  before.tickCount = 17200;
  before.bossY = 61;
  before.bossX = 300;
  after = before;
  after.bossY = 60;
  EXPECT_NE(brokenInvariant(before, after), nullptr);
  EXPECT_EQ(brokenInvariant(before, GameState{}), nullptr) << "a full reset may lower anything";
}

// Random play by a clumsy player: every key, menu commands answered at random,
// long runs of ticks, checked after every message.
TEST(Invariants, HoldThroughoutLongRandomPlay) {
  std::mt19937 random(20261208);
  RandomPlatform platform(random);
  Game game(platform);
  const int keys[] = {kVkSpace, kVkLeft, kVkUp, kVkRight, kVkDown, 33, 90};
  GameState before = game.state();
  i32 deepestHits = 0;
  for (int step = 0; step < 400000; ++step) {
    const auto roll = static_cast<unsigned>(random() % 1000);
    if (roll < 900) {
      game.timer();
    } else if (roll < 995) {
      game.keyDown(keys[random() % std::size(keys)]);
    } else {
      game.command(roll % 2 == 0 ? kCommandStart : kCommandQuit);
    }
    const char* broken = brokenInvariant(before, game.state());
    ASSERT_EQ(broken, nullptr) << "after step " << step << ", tick " << game.state().tickCount;
    before = game.state();
    deepestHits = std::max(deepestHits, game.state().bossHits);
  }
  EXPECT_GE(deepestHits, 32) << "the random games should reach the boss's trios";
}

}  // namespace
}  // namespace vantorix
