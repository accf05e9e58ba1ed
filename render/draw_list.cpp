#include "render/draw_list.h"

#include <array>

namespace vantorix {

namespace {

// The boss's bullets 1 to 17 are red, 18 to 27 blue.
constexpr int kBossRedBulletCount = 17;

// A copy for every member of every owner, owner by owner.
template <class List>
constexpr void copyEach(List& list, Place place, int owners, int members = 1) {
  for (int owner = 0; owner < owners; ++owner) {
    for (int member = 0; member < members; ++member)
      list.copy(place, owner, member);
  }
}

// A copy for each of the members first to end - 1 of the one owner.
template <class List>
constexpr void copyMembers(List& list, Place place, int first, int end) {
  for (int member = first; member < end; ++member)
    list.copy(place, 0, member);
}

// The draw list in drawing order, told to `list`: each selection of a bitmap,
// then each copy of it, naming the place it is copied to.
template <class List>
constexpr void describeDrawList(List& list) {
  // 1: the fighters.
  list.select(Sprite::kFighter);
  copyEach(list, Place::kFighter, kFighterCount);

  // 2: red bullets, under the ship: each fighter's left, right and down
  // bullets, then the boss's red fan and trios.
  list.select(Sprite::kRedBullet);
  copyEach(list, Place::kRedBullet, kFighterCount, kFighterBulletCount);
  copyMembers(list, Place::kBossBullet, 0, kBossRedBulletCount);

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
  copyEach(list, Place::kHeavy, kHeavyCount);
  list.select(Sprite::kHeavyFlash);
  list.copy(Place::kHeavyFlash);

  // 7: blue bullets, over the ship, the shot and the heavies: each heavy's
  // five in its firing order, then the boss's blue fans.
  list.select(Sprite::kBlueBullet);
  copyEach(list, Place::kBlueBullet, kHeavyCount, kHeavyBulletCount);
  copyMembers(list, Place::kBossBullet, kBossRedBulletCount, kBossBulletCount);

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
  copyMembers(list, Place::kNotch, 0, kNotchCount);

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
  copyEach(list, Place::kFighterExplosion, kFighterCount);
  list.copy(Place::kLossExplosion);
  copyEach(list, Place::kHeavyBodySite, kHeavyCount);
  copyEach(list, Place::kHeavyExplosion, kHeavyCount);
  copyEach(list, Place::kBlueBulletSite, kHeavyCount, kHeavyBulletCount);
  list.copy(Place::kBossBodySite);
  list.copy(Place::kDefeatExplosion);
  copyMembers(list, Place::kBossBulletSite, 0, kBossBulletCount);
}

// Counts what the list above selects and copies.
class Counter {
 public:
  constexpr void select(Sprite) { ++selections; }
  constexpr void copy(Place, int = 0, int = 0) { ++copies; }
  std::size_t selections = 0;
  std::size_t copies = 0;
};

constexpr Counter kSize = [] {
  Counter size;
  describeDrawList(size);
  return size;
}();
constexpr std::size_t kDrawCopyCount = kSize.copies;
constexpr std::size_t kDrawGroupCount = kSize.selections;

using DrawTable = std::array<DrawEntry, kDrawCopyCount>;

// Fills the table in drawing order: each copy takes the bitmap of the last
// selection and that bitmap's extent.
class Filler {
 public:
  constexpr void select(Sprite sprite) { sprite_ = sprite; }
  constexpr void copy(Place place, int owner = 0, int member = 0) {
    table_[size_++] = {sprite_,
                       {place, static_cast<std::uint8_t>(owner), static_cast<std::uint8_t>(member)},
                       requestedExtent(sprite_)};
  }
  constexpr const DrawTable& table() const { return table_; }

 private:
  DrawTable table_{};
  std::size_t size_ = 0;
  Sprite sprite_ = Sprite::kFighter;
};

constexpr DrawTable buildDrawList() {
  Filler list;
  describeDrawList(list);
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
      if (count == groups.size()) throw "each selection must start a run of its own bitmap";
      groups[count++] = {kDrawList[first].sprite,
                         std::span<const DrawEntry>(kDrawList).subspan(first, i - first)};
      first = i;
    }
  }
  if (count != groups.size()) throw "each selection must start a run of its own bitmap";
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
