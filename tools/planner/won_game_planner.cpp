#include "tools/planner/won_game_planner.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>

#include "game/field.h"
#include "game/keyboard.h"
#include "game/phases.h"
#include "game/tick.h"

namespace vantorix::planner {

namespace {

// The player of the benchmarks' autopilot, made careful: it fires whenever a
// press queues the next shot, stands where that shot will meet the boss, and
// takes a move only if it leaves a way out of whatever is coming for the
// next kHorizon ticks. Where no move does, it goes back and tries another.
constexpr int kMaxPresses = 3;  // presses of one arrow between two ticks
constexpr int kHorizon = 48;
constexpr std::size_t kMemory = 2000;     // ticks it may go back
constexpr long kBacktrackLimit = 200000;  // moves it may take back in all
constexpr int kAimSlack = 10;             // how far the ship may stand from its aim
constexpr int kFieldSlack = 100;          // before the boss: how far from the start place

// Arrow presses before one tick: right and down are positive.
struct Move {
  int dx;
  int dy;
};

// Ways out, each held for the whole horizon.
constexpr Move kWaysOut[] = {{0, 0}, {-3, 0},  {3, 0},  {-1, 0}, {1, 0}, {0, -3},
                             {0, 3}, {-3, -3}, {3, -3}, {-3, 3}, {3, 3}};

void press(GameState& s, int key, TickKeys* keys) {
  const i32 x = s.playerX, y = s.playerY, armed = s.shotArmed, queued = s.shotQueued;
  pressKey(s, key);
  const bool changed =
      s.playerX != x || s.playerY != y || s.shotArmed != armed || s.shotQueued != queued;
  if (changed && keys != nullptr) keys->push_back(key);
}

// The keys of one tick: the move, then the space bar if it queues a shot.
void pressKeys(GameState& s, Move move, TickKeys* keys) {
  for (int i = 0; i < std::abs(move.dx); ++i)
    press(s, move.dx < 0 ? kVkLeft : kVkRight, keys);
  for (int i = 0; i < std::abs(move.dy); ++i)
    press(s, move.dy < 0 ? kVkUp : kVkDown, keys);
  press(s, kVkSpace, keys);
}

enum class Outcome { kGoesOn, kHit, kWon };

Outcome runTick(GameState& s) {
  if (runWorldTick(s).bossDefeated) return Outcome::kWon;
  return s.playerY == kShipGoneY ? Outcome::kHit : Outcome::kGoesOn;
}

bool holdsOut(GameState s, Move move) {
  for (int t = 0; t < kHorizon; ++t) {
    pressKeys(s, move, nullptr);
    const Outcome outcome = runTick(s);
    if (outcome == Outcome::kHit) return false;
    if (outcome == Outcome::kWon) return true;
  }
  return true;
}

bool hasWayOut(const GameState& s) {
  return std::any_of(std::begin(kWaysOut), std::end(kWaysOut),
                     [&](Move move) { return holdsOut(s, move); });
}

// Where the ship should stand: under the place where the next shot, launched
// from here, will meet the boss; before the boss, near where it started.
struct Aim {
  i32 x;
  i32 y;
  i32 slack;
};

Aim aimOf(const GameState& s) {
  const i32 homeY = kStartState.playerY;
  if (s.bossArrived == 0) return {kStartState.playerX, homeY, kFieldSlack};
  // The shot in flight is re-fired from the ship once above kRefireAboveY,
  // and the new one is in the middle of the boss's box when level with it.
  const i32 untilLaunch = s.shotY >= kRefireAboveY ? (s.shotY - kRefireAboveY) / kShotStep + 1 : 1;
  const i32 climb = (homeY - kShotAboveShip - kBossRestY) / kShotStep;
  GameState boss = s;
  for (i32 t = 0; t < untilLaunch + climb; ++t)
    runBossPhase(boss);
  return {boss.bossX, homeY, kAimSlack};
}

int costOf(const GameState& s, Aim aim, Move move) {
  const auto off = [](i32 v, i32 target, i32 slack) {
    return std::max(0, std::abs(v - target) - slack);
  };
  return off(s.playerX, aim.x, aim.slack) + off(s.playerY, aim.y, 0) +
         2 * (std::abs(move.dx) + std::abs(move.dy));
}

struct Option {
  Move move;
  int cost;
};

// Every move, the best first; a move that ends on the same place as a better
// one is left out.
std::vector<Option> optionsAt(const GameState& s) {
  const Aim aim = aimOf(s);
  struct Placed {
    Option option;
    i32 x;
    i32 y;
  };
  std::vector<Placed> all;
  for (int dy = -kMaxPresses; dy <= kMaxPresses; ++dy) {
    for (int dx = -kMaxPresses; dx <= kMaxPresses; ++dx) {
      GameState moved = s;
      pressKeys(moved, {dx, dy}, nullptr);
      all.push_back({{{dx, dy}, costOf(moved, aim, {dx, dy})}, moved.playerX, moved.playerY});
    }
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const Placed& a, const Placed& b) { return a.option.cost < b.option.cost; });
  std::vector<Option> options;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const auto samePlace = [&](const Placed& p) { return p.x == all[i].x && p.y == all[i].y; };
    if (std::none_of(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(i), samePlace)) {
      options.push_back(all[i].option);
    }
  }
  return options;
}

// One tick still open to a change of mind: the state before it, its moves
// best first, the next one to try, and the keys of the one taken.
struct Step {
  GameState before;
  std::vector<Option> options;
  std::size_t next = 0;
  TickKeys keys;
};

Step stepFrom(const GameState& s) {
  return {s, optionsAt(s), 0, {}};
}

// Takes the step's next move that keeps the ship whole with a way out; the
// outcome of its tick, or nothing once no move is left.
std::optional<Outcome> takeNext(Step& step, GameState& after) {
  while (step.next < step.options.size()) {
    after = step.before;
    step.keys.clear();
    pressKeys(after, step.options[step.next++].move, &step.keys);
    const Outcome outcome = runTick(after);
    if (outcome == Outcome::kWon) return outcome;
    if (outcome == Outcome::kGoesOn && hasWayOut(after)) return outcome;
  }
  return std::nullopt;
}

}  // namespace

Plan planWonGame() {
  Plan plan;
  std::deque<Step> open;  // the latest ticks, oldest first
  Step step = stepFrom(GameState{});
  GameState after;
  long takenBack = 0;
  for (;;) {
    const std::optional<Outcome> outcome = takeNext(step, after);
    if (!outcome) {
      // No move of this tick leaves a way out: take back the one before.
      if (open.empty() || ++takenBack > kBacktrackLimit) {
        throw std::runtime_error("no way on from tick " + std::to_string(step.before.tickCount));
      }
      step = std::move(open.back());
      open.pop_back();
      continue;
    }
    open.push_back(std::move(step));
    if (*outcome == Outcome::kWon) break;
    if (open.size() > kMemory) {
      plan.push_back(std::move(open.front().keys));
      open.pop_front();
    }
    step = stepFrom(after);
  }
  for (Step& taken : open)
    plan.push_back(std::move(taken.keys));
  return plan;
}

}  // namespace vantorix::planner
