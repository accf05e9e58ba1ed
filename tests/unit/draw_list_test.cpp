#include "render/draw_list.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "game/field_table.h"

namespace vantorix {
namespace {

TEST(DrawList, IsFifteenSelectionsOf247CopiesInTheirFixedOrder) {
  const struct {
    Sprite sprite;
    std::size_t copies;
  } expected[] = {
      {Sprite::kFighter, 3},     {Sprite::kRedBullet, 26},   {Sprite::kPlayerShip, 3},
      {Sprite::kPlayerShot, 1},  {Sprite::kHeavy, 2},        {Sprite::kHeavyFlash, 1},
      {Sprite::kBlueBullet, 20}, {Sprite::kBannerBright, 1}, {Sprite::kBannerMedium, 1},
      {Sprite::kBannerDark, 1},  {Sprite::kHealthBar, 1},    {Sprite::kHealthNotch, 126},
      {Sprite::kBoss, 1},        {Sprite::kBossFlash, 1},    {Sprite::kExplosion, 59},
  };
  const auto groups = drawGroups();
  ASSERT_EQ(groups.size(), std::size(expected));
  ASSERT_EQ(drawList().size(), 247u);

  // The groups are the list itself, cut into consecutive runs.
  const DrawEntry* next = drawList().data();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    SCOPED_TRACE("group " + std::to_string(g + 1));
    EXPECT_EQ(groups[g].sprite, expected[g].sprite);
    EXPECT_EQ(groups[g].copies.size(), expected[g].copies);
    EXPECT_EQ(groups[g].copies.data(), next);
    for (const DrawEntry& entry : groups[g].copies)
      EXPECT_EQ(entry.sprite, groups[g].sprite);
    next += groups[g].copies.size();
  }
}

TEST(DrawList, AsksForEachBitmapsFixedExtent) {
  for (const DrawEntry& entry : drawList()) {
    const bool banner = entry.sprite == Sprite::kBannerBright ||
                        entry.sprite == Sprite::kBannerMedium ||
                        entry.sprite == Sprite::kBannerDark;
    const bool bar = entry.sprite == Sprite::kHealthBar;
    EXPECT_EQ(entry.extent.width, banner ? 300 : bar ? 400 : 256) << resourceNumber(entry.sprite);
    EXPECT_EQ(entry.extent.height, banner || bar ? 256 : 128) << resourceNumber(entry.sprite);
  }

  const auto title = titleGroups();
  ASSERT_EQ(title.size(), 1u);
  ASSERT_EQ(title[0].copies.size(), 1u);
  EXPECT_EQ(title[0].sprite, Sprite::kTitle);
  EXPECT_EQ(title[0].copies[0].extent.width, 800);
  EXPECT_EQ(title[0].copies[0].extent.height, 800);
  const Point corner = positionOf(GameState{}, title[0].copies[0].at);
  EXPECT_EQ(corner.x, 0);
  EXPECT_EQ(corner.y, 0);
}

// A state in which every field holds its own number, and the way back from a
// number to the field's name: a copy's position then names the fields it read.
struct NumberedState {
  GameState state;
  std::map<i32, std::string> names;

  NumberedState() {
    i32 number = 1000;
    forEachField(state, [&](std::string_view name, i32& value) {
      value = number;
      names[number++] = std::string(name);
    });
  }

  std::string fieldsOf(const DrawEntry& entry) const {
    const Point p = positionOf(state, entry.at);
    return names.at(p.x) + " " + names.at(p.y);
  }
};

TEST(DrawList, ReadsEachObjectsOwnPositionFieldsOnce) {
  const NumberedState numbered;
  std::set<std::string> seen;
  for (const DrawEntry& entry : drawList()) {
    const std::string fields = numbered.fieldsOf(entry);
    EXPECT_TRUE(seen.insert(fields).second) << "drawn twice: " << fields;
    // x and y of one object: the same name but for the last letter.
    const auto space = fields.find(' ');
    const std::string x = fields.substr(0, space);
    const std::string y = fields.substr(space + 1);
    ASSERT_FALSE(x.empty());
    EXPECT_TRUE(x.back() == 'X' || x.back() == 'x') << fields;
    EXPECT_EQ(x.substr(0, x.size() - 1), y.substr(0, y.size() - 1)) << fields;
  }
}

TEST(DrawList, DrawsTheMembersOfEachGroupInTheirOrder) {
  const struct {
    int copy;  // 1-based in the whole list
    const char* fields;
  } cases[] = {
      {1, "fighter1X fighter1Y"},
      {3, "fighter3X fighter3Y"},
      {4, "red1LeftX red1LeftY"},
      {6, "red1DownX red1DownY"},
      {7, "red2LeftX red2LeftY"},
      {12, "red3DownX red3DownY"},
      {13, "redFanWideLeftX redFanWideLeftY"},
      {18, "redTrioALeftX redTrioALeftY"},
      {29, "fastRedTrioBRightX fastRedTrioBRightY"},
      {30, "playerX playerY"},
      {31, "lifeIcon1X lifeIcon1Y"},
      {32, "lifeIcon2X lifeIcon2Y"},
      {33, "shotX shotY"},
      {34, "heavy1X heavy1Y"},
      {35, "heavy2X heavy2Y"},
      {36, "heavyFlashX heavyFlashY"},
      {37, "blue1LeftX blue1LeftY"},
      {38, "blue1WideLeftX blue1WideLeftY"},
      {41, "blue1WideRightX blue1WideRightY"},
      {42, "blue2WideLeftX blue2WideLeftY"},
      {43, "blue2LeftX blue2LeftY"},
      {47, "blueFanWideLeftX blueFanWideLeftY"},
      {56, "fastBlueFanWideRightX fastBlueFanWideRightY"},
      {57, "brightBannerX brightBannerY"},
      {58, "mediumBannerX mediumBannerY"},
      {59, "darkBannerX darkBannerY"},
      {60, "healthBarX healthBarY"},
      {61, "notches[1].x notches[1].y"},
      {186, "notches[126].x notches[126].y"},
      {187, "bossX bossY"},
      {188, "bossFlashX bossFlashY"},
      // the explosions
      {189, "fighter1BodySite.explosionX fighter1BodySite.explosionY"},
      {190, "red1LeftSite.explosionX red1LeftSite.explosionY"},
      {192, "red1DownSite.explosionX red1DownSite.explosionY"},
      {193, "fighter2BodySite.explosionX fighter2BodySite.explosionY"},
      {200, "red3DownSite.explosionX red3DownSite.explosionY"},
      {201, "fighter1ExplosionX fighter1ExplosionY"},
      {203, "fighter3ExplosionX fighter3ExplosionY"},
      {204, "lossExplosionX lossExplosionY"},
      {205, "heavy1BodySite.explosionX heavy1BodySite.explosionY"},
      {206, "heavy2BodySite.explosionX heavy2BodySite.explosionY"},
      {207, "heavy1ExplosionX heavy1ExplosionY"},
      {208, "heavy2ExplosionX heavy2ExplosionY"},
      {209, "blue1LeftSite.explosionX blue1LeftSite.explosionY"},
      {214, "blue2WideLeftSite.explosionX blue2WideLeftSite.explosionY"},
      {218, "blue2WideRightSite.explosionX blue2WideRightSite.explosionY"},
      {219, "bossBodySite.explosionX bossBodySite.explosionY"},
      {220, "defeatExplosionX defeatExplosionY"},
      {221, "redFanWideLeftSite.explosionX redFanWideLeftSite.explosionY"},
      {247, "fastBlueFanWideRightSite.explosionX fastBlueFanWideRightSite.explosionY"},
  };
  const NumberedState numbered;
  for (const auto& c : cases) {
    EXPECT_EQ(numbered.fieldsOf(drawList()[static_cast<std::size_t>(c.copy - 1)]), c.fields)
        << "copy " << c.copy;
  }
}

}  // namespace
}  // namespace vantorix
