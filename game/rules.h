// The rules every object shares: the inclusive box test, the player-hit
// procedure with its respawn check, and the lives they drive.
#pragma once

#include <cstdint>

#include "game/arithmetic.h"
#include "game/game_state.h"

namespace vantorix {

// How far a box reaches from its anchor on each side; all four are inclusive.
struct Margins {
  i32 left;
  i32 right;
  i32 top;
  i32 bottom;
};

inline constexpr Margins kFighterBodyMargins{20, 20, 20, 20};
inline constexpr Margins kBulletMargins{15, 25, 15, 15};
inline constexpr Margins kHeavyBodyMargins{25, 60, 25, 25};
inline constexpr Margins kBossBodyMargins{25, 25, 25, 25};

// True when the point lies in the anchor's box. Worked in 64 bits so that no
// position, however far off, can overflow.
constexpr bool inBox(i32 px, i32 py, i32 ax, i32 ay, Margins m) {
  const std::int64_t x = px;
  const std::int64_t y = py;
  return std::int64_t{ax} - m.left <= x && x <= std::int64_t{ax} + m.right &&
         std::int64_t{ay} - m.top <= y && y <= std::int64_t{ay} + m.bottom;
}

// gameOverMark once a hit has cost the last life; the end of the tick acts on it.
inline constexpr i32 kGameOverMark = -30;
inline constexpr i32 kDyingTicks = 100;  // a site respawns the ship once its count is past this

// The ship is back at its start position; the site rests.
void respawnPlayer(GameState& s, HitSite& site);

// The ship is destroyed at this site: its explosion, the ship gone, the lives.
void hitPlayer(GameState& s, HitSite& site);

// Run by every site in every tick right after its box test: counts the dying
// period and puts the ship back when it is over. Inline: 52 sites run it in
// every tick, and almost always it finds nothing to do.
inline void checkRespawn(GameState& s, HitSite& site) {
  if (site.dying == 1) advance(site.respawnTimer, 1);
  if (site.respawnTimer > kDyingTicks) respawnPlayer(s, site);
}

// One site's whole turn in a tick: the box test of the ship against the
// object, the hit if it touches, then the respawn check either way.
inline void testPlayerContact(GameState& s, i32 ax, i32 ay, Margins m, HitSite& site) {
  if (inBox(s.playerX, s.playerY, ax, ay, m)) hitPlayer(s, site);
  checkRespawn(s, site);
}

}  // namespace vantorix
