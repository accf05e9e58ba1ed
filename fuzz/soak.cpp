// The soak: ten million random messages (keys, menu commands with random box
// answers, timer messages) through one game object, with the invariants
// checked after each. Built with the sanitizers; `make soak` runs it.
#include <cstdio>
#include <cstdlib>
#include <random>

#include "app/game.h"
#include "game/invariants.h"
#include "game/keyboard.h"

namespace {

class RandomPlatform final : public vantorix::Platform {
 public:
  explicit RandomPlatform(std::mt19937_64& random) : random_(random) {}
  void startGameTimer() override {}
  void stopGameTimer() override {}
  int showMessageBox(std::string_view, std::string_view, vantorix::BoxButtons) override {
    // Mostly yes, so that games go deep; now and then an answer no box gives.
    const auto roll = random_() % 32;
    if (roll == 0) return static_cast<int>(random_() % 10);
    return roll < 28 ? vantorix::kIdYes : vantorix::kIdNo;
  }
  void invalidate() override {}
  void postQuit(int) override {}

 private:
  std::mt19937_64& random_;
};

}  // namespace

int main(int argc, char** argv) {
  const long messages = argc > 1 ? std::atol(argv[1]) : 10'000'000;
  std::mt19937_64 random(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
  RandomPlatform platform(random);
  vantorix::Game game(platform);
  const int keys[] = {vantorix::kVkSpace,
                      vantorix::kVkLeft,
                      vantorix::kVkUp,
                      vantorix::kVkRight,
                      vantorix::kVkDown,
                      0,
                      33,
                      255};
  vantorix::GameState before = game.state();
  vantorix::i32 deepestTick = 0;
  vantorix::i32 deepestHits = 0;
  for (long i = 0; i < messages; ++i) {
    const auto roll = random() % 1000;
    if (roll < 850) {
      game.timer();
    } else if (roll < 998) {
      game.keyDown(keys[random() % std::size(keys)]);
    } else {
      game.command(static_cast<int>(random() % 3) + vantorix::kCommandStart);
    }
    if (const char* broken = vantorix::brokenInvariant(before, game.state())) {
      std::fprintf(stderr, "message %ld: invariant broken: %s\n", i, broken);
      return 1;
    }
    before = game.state();
    if (before.tickCount > deepestTick) deepestTick = before.tickCount;
    if (before.bossHits > deepestHits) deepestHits = before.bossHits;
  }
  std::printf("%ld messages, invariants held; deepest tick %d, most boss hits %d\n", messages,
              deepestTick, deepestHits);
  return 0;
}
