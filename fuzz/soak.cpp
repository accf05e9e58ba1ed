// The soak: ten million random messages (keys, menu commands with random box
// answers, timer messages) through one game object, with the invariants
// checked after each. Built with the sanitizers; `make soak` runs it.
//
//   vantorix-soak [MESSAGES [SEED]]
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string_view>

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

// A whole decimal number of at least `min`, or nothing.
template <class Number>
std::optional<Number> parseWhole(std::string_view text, Number min) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || ptr != end || value < min) return std::nullopt;
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3) {
    std::fprintf(stderr, "usage: vantorix-soak [MESSAGES [SEED]]\n");
    return 2;
  }
  const auto messages = argc > 1 ? parseWhole<long>(argv[1], 1) : 10'000'000L;
  if (!messages) {
    std::fprintf(
        stderr, "vantorix-soak: the count of messages must be a whole number above 0, not \"%s\"\n",
        argv[1]);
    return 2;
  }
  const auto seed = argc > 2 ? parseWhole<std::uint64_t>(argv[2], 0) : std::uint64_t{1};
  if (!seed) {
    std::fprintf(stderr, "vantorix-soak: the seed must be a whole number, not \"%s\"\n", argv[2]);
    return 2;
  }
  std::mt19937_64 random(*seed);
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
  vantorix::InvariantWatch watch(game.state());
  vantorix::i32 deepestTick = 0;
  vantorix::i32 deepestHits = 0;
  for (long i = 0; i < *messages; ++i) {
    const auto roll = random() % 1000;
    if (roll < 850) {
      game.timer();
    } else if (roll < 998) {
      game.keyDown(keys[random() % std::size(keys)]);
    } else {
      game.command(static_cast<int>(random() % 3) + vantorix::kCommandStart);
    }
    if (const char* broken = watch.step(game.state())) {
      std::fprintf(stderr, "message %ld: invariant broken: %s\n", i, broken);
      return 1;
    }
    if (game.state().tickCount > deepestTick) deepestTick = game.state().tickCount;
    if (game.state().bossHits > deepestHits) deepestHits = game.state().bossHits;
  }
  std::printf("%ld messages, invariants held; deepest tick %d, most boss hits %d\n", *messages,
              deepestTick, deepestHits);
  return 0;
}
