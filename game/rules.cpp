#include "game/rules.h"

namespace vantorix {

namespace {
constexpr i32 kShipGoneY = -30;
constexpr i32 kLifeIconGoneY = -30;
}  // namespace

void hitPlayer(GameState& s, HitSite& site) {
  site.explosionX = s.playerX;
  site.explosionY = s.playerY;
  site.dying = 1;
  s.playerY = kShipGoneY;
  if (s.lostSecondLife == 0) s.lifeIcon1Y = kLifeIconGoneY;
  if (s.lostSecondLife == 1 && site.respawnTimer == 0) s.gameOverMark = kGameOverMark;
  if (s.lifeIcon1Y == kLifeIconGoneY && s.lostFirstLife == 1) {
    s.lifeIcon2Y = kLifeIconGoneY;
    s.lostSecondLife = 1;
  }
}

void respawnPlayer(GameState& s, HitSite& site) {
  site.explosionX = 10;
  site.explosionY = -30;
  site.respawnTimer = 1;
  site.dying = 0;
  s.playerX = 365;
  s.playerY = 400;
  if (s.lostFirstLife == 0 && s.lifeIcon1Y == kLifeIconGoneY) s.lostFirstLife = 1;
  if (s.lostSecondLife == 1) site.respawnTimer = 0;
}

}  // namespace vantorix
