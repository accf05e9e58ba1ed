#include "render/draw_list.h"

#include <array>

namespace vantorix {

namespace {

// The boss's bullets 1 to 17 are red, 18 to 27 blue.
constexpr int kBossRedBulletCount = 17;

using DrawTable = std::array<DrawEntry, kDrawCopyCount>;

// Fills the table in drawing order: each copy takes the bitmap of the last
// selection and that bitmap's extent.
class DrawListBuilder {
 public:
  constexpr void select(Sprite sprite) { sprite_ = sprite; }
  constexpr void copy(Place place, int owner = 0, int member = 0) {
    table_[size_++] = {sprite_,
                       {place, static_cast<std::uint8_t>(owner), static_cast<std::uint8_t>(member)},
                       requestedExtent(sprite_)};
  }
  constexpr std::size_t size() const { return size_; }
  constexpr const DrawTable& table() const { return table_; }

 private:
  DrawTable table_{};
  std::size_t size_ = 0;
  Sprite sprite_ = Sprite::kFighter;
};

constexpr DrawTable buildDrawList() {
  DrawListBuilder list;

  // 1: the fighters.
  list.select(Sprite::kFighter);
  for (int f = 0; f < kFighterCount; ++f)
    list.copy(Place::kFighter, f);

  // 2: red bullets, under the ship: each fighter's left, right and down
  // bullets, then the boss's red fan and trios.
  list.select(Sprite::kRedBullet);
  for (int f = 0; f < kFighterCount; ++f) {
    for (int b = 0; b < kFighterBulletCount; ++b)
      list.copy(Place::kRedBullet, f, b);
  }
  for (int m = 0; m < kBossRedBulletCount; ++m)
    list.copy(Place::kBossBullet, 0, m);

  // 3: the ship and the two spare lives.
  list.select(Sprite::kPlayerShip);
  list.copy(Place::kPlayerShip);
  list.copy(Place::kLifeIcon1);
  list.copy(Place::kLifeIcon2);

  // 4: the player's shot.
  list.select(Sprite::kPlayerShot);
  list.copy(Place::kShot);

  // 5, 6: the heavies and their one shared hit flash.
  list.select(Sprite::kHeavy);
  for (int h = 0; h < kHeavyCount; ++h)
    list.copy(Place::kHeavy, h);
  list.select(Sprite::kHeavyFlash);
  list.copy(Place::kHeavyFlash);

  // 7: blue bullets, over the ship, the shot and the heavies: each heavy's
  // five in its firing order, then the boss's blue fans.
  list.select(Sprite::kBlueBullet);
  for (int h = 0; h < kHeavyCount; ++h) {
    for (int b = 0; b < kHeavyBulletCount; ++b)
      list.copy(Place::kBlueBullet, h, b);
  }
  for (int m = kBossRedBulletCount; m < kBossBulletCount; ++m)
    list.copy(Place::kBossBullet, 0, m);

  // 8-10: the WARNING banner, bright, medium and dark.
  list.select(Sprite::kBannerBright);
  list.copy(Place::kBrightBanner);
  list.select(Sprite::kBannerMedium);
  list.copy(Place::kMediumBanner);
  list.select(Sprite::kBannerDark);
  list.copy(Place::kDarkBanner);

  // 11, 12: the boss's health bar, then its notches over it.
  list.select(Sprite::kHealthBar);
  list.copy(Place::kHealthBar);
  list.select(Sprite::kHealthNotch);
  for (int n = 0; n < kNotchCount; ++n)
    list.copy(Place::kNotch, 0, n);

  // 13, 14: the boss, then its hit flash over it.
  list.select(Sprite::kBoss);
  list.copy(Place::kBoss);
  list.select(Sprite::kBossFlash);
  list.copy(Place::kBossFlash);

  // 15: every explosion, over everything else.
  list.select(Sprite::kExplosion);
  for (int f = 0; f < kFighterCount; ++f) {
    list.copy(Place::kFighterBodySite, f);
    for (int b = 0; b < kFighterBulletCount; ++b)
      list.copy(Place::kRedBulletSite, f, b);
  }
  for (int f = 0; f < kFighterCount; ++f)
    list.copy(Place::kFighterExplosion, f);
  list.copy(Place::kLossExplosion);
  for (int h = 0; h < kHeavyCount; ++h)
    list.copy(Place::kHeavyBodySite, h);
  for (int h = 0; h < kHeavyCount; ++h)
    list.copy(Place::kHeavyExplosion, h);
  for (int h = 0; h < kHeavyCount; ++h) {
    for (int b = 0; b < kHeavyBulletCount; ++b)
      list.copy(Place::kBlueBulletSite, h, b);
  }
  list.copy(Place::kBossBodySite);
  list.copy(Place::kDefeatExplosion);
  for (int m = 0; m < kBossBulletCount; ++m)
    list.copy(Place::kBossBulletSite, 0, m);

  if (list.size() != kDrawCopyCount) throw "the draw list must fill its table exactly";
  return list.table();
}

constexpr DrawTable kDrawList = buildDrawList();

// The runs of one bitmap in the table, each the copies of one selection.
constexpr std::array<DrawGroup, kDrawGroupCount> buildDrawGroups() {
  std::array<DrawGroup, kDrawGroupCount> groups{};
  std::size_t count = 0;
  std::size_t first = 0;
  for (std::size_t i = 1; i <= kDrawList.size(); ++i) {
    if (i == kDrawList.size() || kDrawList[i].sprite != kDrawList[first].sprite) {
      if (count == groups.size()) throw "the draw list has more selections than groups";
      groups[count++] = {kDrawList[first].sprite,
                         std::span<const DrawEntry>(kDrawList).subspan(first, i - first)};
      first = i;
    }
  }
  if (count != groups.size()) throw "the draw list has fewer selections than groups";
  return groups;
}

constexpr std::array<DrawGroup, kDrawGroupCount> kDrawGroups = buildDrawGroups();

constexpr std::array<DrawEntry, 1> kTitleList{
    {{Sprite::kTitle, {Place::kTitleCorner}, requestedExtent(Sprite::kTitle)}}};
constexpr std::array<DrawGroup, 1> kTitleGroups{{{Sprite::kTitle, kTitleList}}};

constexpr Point at(const HitSite& site) {
  return {site.explosionX, site.explosionY};
}
constexpr Point at(i32 x, i32 y) {
  return {x, y};
}

}  // namespace

std::span<const DrawEntry> drawList() {
  return kDrawList;
}
std::span<const DrawGroup> drawGroups() {
  return kDrawGroups;
}
std::span<const DrawGroup> titleGroups() {
  return kTitleGroups;
}

Point positionOf(const GameState& s, PositionRef ref) {
  // The table's indices are in range by construction; clamp anyway so a
  // damaged entry can only read a wrong member, never outside the record.
  const auto fighter = [&]() -> const Fighter& { return s.fighters[ref.owner % kFighterCount]; };
  const auto heavy = [&]() -> const Heavy& { return s.heavies[ref.owner % kHeavyCount]; };
  const auto redBullet = [&]() -> const Bullet& {
    return fighter().bullets[ref.member % kFighterBulletCount];
  };
  const auto blueBullet = [&]() -> const Bullet& {
    return heavy().bullets[ref.member % kHeavyBulletCount];
  };
  const auto bossBullet = [&]() -> const Bullet& {
    return s.bossBullets[ref.member % kBossBulletCount];
  };

  switch (ref.place) {
    case Place::kTitleCorner:
      return {0, 0};
    case Place::kFighter:
      return at(fighter().x, fighter().y);
    case Place::kRedBullet:
      return at(redBullet().x, redBullet().y);
    case Place::kBossBullet:
      return at(bossBullet().x, bossBullet().y);
    case Place::kPlayerShip:
      return at(s.playerX, s.playerY);
    case Place::kLifeIcon1:
      return at(s.lifeIcon1X, s.lifeIcon1Y);
    case Place::kLifeIcon2:
      return at(s.lifeIcon2X, s.lifeIcon2Y);
    case Place::kShot:
      return at(s.shotX, s.shotY);
    case Place::kHeavy:
      return at(heavy().x, heavy().y);
    case Place::kHeavyFlash:
      return at(s.heavyFlashX, s.heavyFlashY);
    case Place::kBlueBullet:
      return at(blueBullet().x, blueBullet().y);
    case Place::kBrightBanner:
      return at(s.brightBannerX, s.brightBannerY);
    case Place::kMediumBanner:
      return at(s.mediumBannerX, s.mediumBannerY);
    case Place::kDarkBanner:
      return at(s.darkBannerX, s.darkBannerY);
    case Place::kHealthBar:
      return at(s.healthBarX, s.healthBarY);
    case Place::kNotch:
      return s.notches[ref.member % kNotchCount];
    case Place::kBoss:
      return at(s.bossX, s.bossY);
    case Place::kBossFlash:
      return at(s.bossFlashX, s.bossFlashY);
    case Place::kFighterBodySite:
      return at(fighter().bodySite);
    case Place::kRedBulletSite:
      return at(redBullet().site);
    case Place::kFighterExplosion:
      return at(fighter().explosionX, fighter().explosionY);
    case Place::kLossExplosion:
      return at(s.lossExplosionX, s.lossExplosionY);
    case Place::kHeavyBodySite:
      return at(heavy().bodySite);
    case Place::kHeavyExplosion:
      return at(heavy().explosionX, heavy().explosionY);
    case Place::kBlueBulletSite:
      return at(blueBullet().site);
    case Place::kBossBodySite:
      return at(s.bossBodySite);
    case Place::kDefeatExplosion:
      return at(s.defeatExplosionX, s.defeatExplosionY);
    case Place::kBossBulletSite:
      return at(bossBullet().site);
  }
  return {0, 0};
}

}  // namespace vantorix
