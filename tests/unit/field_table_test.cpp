#include "game/field_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace vantorix {
namespace {

std::vector<std::string> allNames() {
  std::vector<std::string> names;
  const GameState s;
  forEachField(s, [&](std::string_view name, const i32&) { names.emplace_back(name); });
  return names;
}

TEST(FieldTable, CoversEveryFieldOfTheRecordOnceUnderAUniqueName) {
  const auto names = allNames();
  EXPECT_EQ(names.size(), sizeof(GameState) / sizeof(i32));
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());

  // Writing each field's index through the table must reach every i32 of the
  // record exactly once, in the record's order (the digest reads it so).
  GameState s;
  i32 index = 0;
  forEachField(s, [&](std::string_view, i32& value) { value = index++; });
  std::vector<i32> raw(sizeof(GameState) / sizeof(i32));
  std::memcpy(raw.data(), &s, sizeof(GameState));
  EXPECT_EQ(std::set<i32>(raw.begin(), raw.end()).size(), raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i)
    ASSERT_EQ(raw[i], static_cast<i32>(i));
}

TEST(FieldTable, KnowsTheCanonicalNamesWithTheirStartUpValues) {
  const struct {
    const char* name;
    i32 value;
  } cases[] = {
      {"tickCount", 0},
      {"playerX", 365},
      {"playerY", 400},
      {"shotY", -100},
      {"lifeIcon2X", 730},
      {"fighter1Leftward", 0},
      {"fighter2X", 200},
      {"fighter3Y", -200},
      {"red1LeftY", -20},
      {"red2DownFlying", 0},
      {"red3RightX", 10},
      {"fighter1BodySite.explosionY", -30},
      {"red1LeftSite.respawnTimer", 0},
      {"fighter3ExplosionY", -30},
      {"heavy1Y", -50},
      {"heavy2PauseCount", 0},
      {"blue1WideLeftX", 0},
      {"blue2WideRightSite.explosionY", -30},
      {"blue1LeftY", -30},
      {"heavy2BodySite.dying", 0},
      {"heavy1FlashTimer", 0},
      {"heavyFlashY", -50},
      {"bannerPhase", 0},
      {"darkBannerY", -70},
      {"bossY", -100},
      {"bossHeadingLeft", 0},
      {"healthBarY", -100},
      {"bossBodySite.explosionY", -30},
      {"redFanWideLeftY", -50},
      {"fastBlueFanWideRightX", 0},
      {"fastRedTrioBDownSite.respawnTimer", 0},
      {"redTrioBReleased", 0},
      {"bossHits", 0},
      {"notches[1].x", 0},
      {"notches[126].y", -100},
      {"notchReady[1]", 0},
      {"notchReady[125]", 0},
      {"bossFlashY", -100},
      {"defeatExplosionY", -30},
      {"lossExplosionY", -30},
      {"quitAnswer", 0},
      {"continueAnswer", 0},
  };
  const GameState s;
  for (const auto& c : cases) {
    const auto value = readField(s, c.name);
    ASSERT_TRUE(value.has_value()) << c.name;
    EXPECT_EQ(*value, c.value) << c.name;
  }
}

TEST(FieldTable, RejectsNamesOutsideTheRecord) {
  GameState s;
  for (const char* name : {"notches[0].x", "notches[127].x", "notchReady[126]", "fighter4X",
                           "red1Left", "bossBodySite", "tickcount", ""}) {
    EXPECT_EQ(findField(s, name), nullptr) << name;
  }
}

TEST(FieldTable, FindsTheFieldItselfForWriting) {
  GameState s;
  *findField(s, "red2DownSite.dying") = 1;
  *findField(s, "notches[7].x") = 560;
  EXPECT_EQ(s.fighters[1].bullets[2].site.dying, 1);
  EXPECT_EQ(s.notches[6].x, 560);
}

}  // namespace
}  // namespace vantorix
