// The one record of everything the game knows. Every field is a signed 32-bit
// integer (flags are 0 or 1) and its default member initializer is its start-up
// value, so `GameState{}` is the start-up state and a full reset is an
// assignment from it: there is no second list of start-up values to keep in step.
//
// Like objects live in arrays indexed by member number, in processing order;
// the names the rest of the world knows them by (`fighter2X`, `red3DownSite`,
// `notches[7].x`, ...) come from the field table in field_table.h.
#pragma once

#include <array>
#include <cstdint>

namespace vantorix {

using i32 = std::int32_t;

// One place where an enemy body or bullet is tested against the player ship,
// with the explosion it shows where the ship was destroyed.
struct HitSite {
  i32 explosionX = 0;
  i32 explosionY = -30;
  i32 dying = 0;
  i32 respawnTimer = 0;
};

// A red or blue bullet of a fighter, a heavy or the boss, with its own site.
struct Bullet {
  i32 x = 0;
  i32 y = 0;
  i32 flying = 0;
  HitSite site;
};

struct Point {
  i32 x = 0;
  i32 y = 0;
};

inline constexpr int kFighterCount = 3;
inline constexpr int kFighterBulletCount = 3;  // left, right, down
inline constexpr int kHeavyCount = 2;
inline constexpr int kHeavyBulletCount = 5;
inline constexpr int kBossBulletCount = 27;
inline constexpr int kNotchCount = 126;
inline constexpr int kNotchReadyCount = kNotchCount - 1;

struct Fighter {
  i32 x = 0;
  i32 y = 0;
  i32 leftward = 0;
  HitSite bodySite;
  std::array<Bullet, kFighterBulletCount> bullets{};  // left, right, down
  // The explosion that stands where the player's shot knocked the fighter back.
  i32 explosionX = 0;
  i32 explosionY = -30;
  i32 exploding = 0;
  i32 explosionTimer = 0;
};

struct Heavy {
  i32 x = 0;
  i32 y = -50;
  i32 entered = 0;
  i32 pauseCount = 0;
  HitSite bodySite;
  std::array<Bullet, kHeavyBulletCount> bullets{};  // in processing order
  // The player's shot hits: this heavy's flash cycle, its count of finished
  // cycles and its destruction explosion. The flash picture itself is shared.
  i32 flashing = 0;
  i32 flashTimer = 0;
  i32 hitCount = 0;
  i32 explosionX = 0;
  i32 explosionY = -30;
};

namespace detail {
constexpr Fighter makeFighter(i32 x, i32 y, std::array<Point, kFighterBulletCount> bullets) {
  Fighter f;
  f.x = x;
  f.y = y;
  for (int i = 0; i < kFighterBulletCount; ++i) {
    f.bullets[i].x = bullets[i].x;
    f.bullets[i].y = bullets[i].y;
  }
  return f;
}

// N of a kind, all at the same y and otherwise at their defaults.
template <class T, int N>
constexpr std::array<T, N> allAtY(i32 y) {
  std::array<T, N> all{};
  for (T& t : all)
    t.y = y;
  return all;
}

constexpr Heavy makeHeavy() {
  Heavy h;
  h.bullets = allAtY<Bullet, kHeavyBulletCount>(-30);
  return h;
}
}  // namespace detail

struct GameState {
  i32 tickCount = 0;  // 0 while the title is shown

  // The player ship, its single shot and the two spare lives.
  i32 playerX = 365;
  i32 playerY = 400;  // -30 while the ship is destroyed
  i32 shotX = -100;
  i32 shotY = -100;
  i32 shotArmed = 0;
  i32 shotQueued = 0;
  i32 lifeIcon1X = 700;
  i32 lifeIcon1Y = 0;
  i32 lifeIcon2X = 730;
  i32 lifeIcon2Y = 0;
  i32 lostFirstLife = 0;
  i32 lostSecondLife = 0;
  i32 gameOverMark = 0;

  i32 quitAnswer = 0;  // last answer of the quit confirmation

  std::array<Fighter, kFighterCount> fighters{
      detail::makeFighter(10, -40, {{{10, -20}, {0, -50}, {0, -50}}}),
      detail::makeFighter(200, -100, {{{10, -50}, {0, -50}, {10, -50}}}),
      detail::makeFighter(400, -200, {{{0, -50}, {10, -50}, {10, -50}}}),
  };

  std::array<Heavy, kHeavyCount> heavies{detail::makeHeavy(), detail::makeHeavy()};
  i32 heavyFlashX = 0;  // the one hit flash both heavies share
  i32 heavyFlashY = -50;

  // The WARNING banner: 0 idle, 1 bright, 2 medium, 3 dark.
  i32 bannerPhase = 0;
  i32 brightTicks = 0;
  i32 mediumTicks = 0;
  i32 darkTicks = 0;
  i32 brightBannerX = 0;
  i32 brightBannerY = -70;
  i32 mediumBannerX = 0;
  i32 mediumBannerY = -70;
  i32 darkBannerX = 0;
  i32 darkBannerY = -70;

  i32 bossX = 0;
  i32 bossY = -100;
  i32 bossEntered = 0;
  i32 bossArrived = 0;
  i32 bossHeadingLeft = 0;
  i32 healthBarX = 0;
  i32 healthBarY = -100;
  HitSite bossBodySite;

  std::array<Bullet, kBossBulletCount> bossBullets = detail::allAtY<Bullet, kBossBulletCount>(-50);
  i32 redTrioBReleased = 0;
  i32 fastRedTrioBReleased = 0;

  // The boss's health: notch n is laid when bossHits goes from n-1 to n.
  i32 bossHits = 0;
  std::array<Point, kNotchCount> notches = detail::allAtY<Point, kNotchCount>(-100);
  std::array<i32, kNotchReadyCount> notchReady{};  // notchReady[k-1] allows notch k+1
  i32 bossFlashX = 0;
  i32 bossFlashY = -100;
  i32 bossFlashActive = 0;
  i32 bossFlashTimer = 0;
  i32 defeatExplosionX = 0;
  i32 defeatExplosionY = -30;

  i32 lossExplosionX = 0;
  i32 lossExplosionY = -30;
  i32 continueAnswer = 0;  // last answer of the continue box
};

inline constexpr GameState kStartState{};

}  // namespace vantorix
