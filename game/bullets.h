// A bullet's three steps, in this order every tick: launched from its shooter
// when the shooter fires and the bullet waits, moved while it flies, stopped
// once past its limit. A stopped bullet stays where it is until its next launch.
#pragma once

#include <array>
#include <cstddef>

#include "game/arithmetic.h"
#include "game/game_state.h"

namespace vantorix {

// The launch point is asked for only when the bullet leaves, as a shooter's
// place is far from any limit then.
template <class LaunchPoint>
void launchBullet(Bullet& b, bool fires, LaunchPoint from) {
  if (fires && b.flying == 0) {
    const Point at = from();
    b.x = at.x;
    b.y = at.y;
    b.flying = 1;
  }
}

inline void moveBullet(Bullet& b, i32 dx, i32 dy) {
  if (b.flying == 1) {
    advance(b.x, dx);
    advance(b.y, dy);
  }
}

inline void stopBulletPast(Bullet& b, i32 limit) {
  if (b.y > limit) b.flying = 0;
}

// A fighter's or a heavy's volley: every bullet in turn, each completely
// before the next, all from the same point, each with its own sideways step.
template <std::size_t N, class LaunchPoint>
void flyVolley(std::array<Bullet, N>& bullets, bool fires, LaunchPoint from,
               const std::array<i32, N>& dx, i32 dy, i32 limit) {
  for (std::size_t i = 0; i < N; ++i) {
    launchBullet(bullets[i], fires, from);
    moveBullet(bullets[i], dx[i], dy);
    stopBulletPast(bullets[i], limit);
  }
}

}  // namespace vantorix
