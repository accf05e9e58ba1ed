#include "game/rules.h"

#include "game/field.h"

namespace vantorix {

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
  site.explosionX = kExplosionParked.x;
  site.explosionY = kExplosionParked.y;
  site.respawnTimer = 1;
  site.dying = 0;
  s.playerX = kStartState.playerX;
  s.playerY = kStartState.playerY;
  if (s.lostFirstLife == 0 && s.lifeIcon1Y == kLifeIconGoneY) s.lostFirstLife = 1;
  if (s.lostSecondLife == 1) site.respawnTimer = 0;
}

}  // namespace vantorix
