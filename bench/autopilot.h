// A plain-minded player for the benchmarks: stands under the boss once it has
// arrived, holds the fire key down and always takes the continue. It reaches
// every stage of a game the way real play does, with nothing poked.
#pragma once

#include "app/game.h"
#include "game/keyboard.h"

namespace vantorix::bench {

class QuietPlatform final : public Platform {
 public:
  void startGameTimer() override {}
  void stopGameTimer() override {}
  int showMessageBox(std::string_view, std::string_view, BoxButtons buttons) override {
    return buttons == BoxButtons::kOk ? kIdOk : kIdYes;
  }
  void invalidate() override {}
  void postQuit(int) override {}
};

// One tick of play: steer, fire, then the timer message.
inline void playOneTick(Game& game) {
  const GameState& s = game.state();
  if (s.bossArrived == 1) {
    if (s.playerX + 5 < s.bossX) game.keyDown(kVkRight);
    if (s.playerX > s.bossX + 5) game.keyDown(kVkLeft);
  }
  game.keyDown(kVkSpace);
  game.timer();
}

// Plays from the start command until `reached` holds (or a bound of ticks).
template <class Condition>
GameState playUntil(Condition reached, int maxTicks = 400000) {
  QuietPlatform platform;
  Game game(platform);
  game.command(kCommandStart);
  for (int t = 0; t < maxTicks && !reached(game.state()); ++t)
    playOneTick(game);
  return game.state();
}

}  // namespace vantorix::bench
