// What one paint copies, and where: the fixed draw list of the running game
// and the title display, as data every shell walks the same way. Each group
// selects its bitmap once and then copies every member at the member's
// position; later copies cover earlier ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "game/game_state.h"
#include "render/sprite_set.h"

namespace vantorix {

// Where a copy reads its top-left corner from. `owner` picks the fighter or
// heavy, `member` the bullet, boss bullet or notch (both zero-based).
enum class Place : std::uint8_t {
  kTitleCorner,       // (0, 0): the title picture fills the window
  kFighter,           // fighters[owner]
  kRedBullet,         // fighters[owner].bullets[member]
  kBossBullet,        // bossBullets[member]
  kPlayerShip,        // playerX, playerY
  kLifeIcon1,         // lifeIcon1X, lifeIcon1Y
  kLifeIcon2,         // lifeIcon2X, lifeIcon2Y
  kShot,              // shotX, shotY
  kHeavy,             // heavies[owner]
  kHeavyFlash,        // heavyFlashX, heavyFlashY
  kBlueBullet,        // heavies[owner].bullets[member]
  kBrightBanner,      // brightBannerX, brightBannerY
  kMediumBanner,      // mediumBannerX, mediumBannerY
  kDarkBanner,        // darkBannerX, darkBannerY
  kHealthBar,         // healthBarX, healthBarY
  kNotch,             // notches[member]
  kBoss,              // bossX, bossY
  kBossFlash,         // bossFlashX, bossFlashY
  kFighterBodySite,   // fighters[owner].bodySite
  kRedBulletSite,     // fighters[owner].bullets[member].site
  kFighterExplosion,  // fighters[owner].explosionX, explosionY
  kLossExplosion,     // lossExplosionX, lossExplosionY
  kHeavyBodySite,     // heavies[owner].bodySite
  kHeavyExplosion,    // heavies[owner].explosionX, explosionY
  kBlueBulletSite,    // heavies[owner].bullets[member].site
  kBossBodySite,      // bossBodySite
  kDefeatExplosion,   // defeatExplosionX, defeatExplosionY
  kBossBulletSite,    // bossBullets[member].site
};

struct PositionRef {
  Place place;
  std::uint8_t owner = 0;
  std::uint8_t member = 0;
};

// The size a copy asks for; never smaller than the bitmap, and only the
// bitmap's own pixels reach the window.
struct Extent {
  int width;
  int height;
};

constexpr Extent requestedExtent(Sprite sprite) {
  switch (sprite) {
    case Sprite::kTitle:
      return {800, 800};
    case Sprite::kBannerBright:
    case Sprite::kBannerMedium:
    case Sprite::kBannerDark:
      return {300, 256};
    case Sprite::kHealthBar:
      return {400, 256};
    default:
      return {256, 128};
  }
}

struct DrawEntry {
  Sprite sprite;
  PositionRef at;
  Extent extent;
};

// A run of copies of one bitmap: one selection, then every copy in order.
struct DrawGroup {
  Sprite sprite;
  std::span<const DrawEntry> copies;
};

// The running game's 247 copies in drawing order.
std::span<const DrawEntry> drawList();
// The same copies as their 15 selections.
std::span<const DrawGroup> drawGroups();
// The title display: MYBP5 alone at (0, 0).
std::span<const DrawGroup> titleGroups();

Point positionOf(const GameState& state, PositionRef at);

}  // namespace vantorix
