// The field table: every GameState field under the one name the game knows it
// by. The simulator's get, set and dump go through it; the game itself never
// needs a field's name.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "game/game_state.h"

namespace vantorix {

// A field name assembled from parts without allocating: "red" 2 "Down" "Site" ...
class FieldName {
 public:
  static constexpr std::size_t kCapacity = 48;

  FieldName& operator<<(std::string_view part) {
    for (char c : part)
      push(c);
    return *this;
  }
  FieldName& operator<<(int number) {
    char digits[12];
    int count = 0;
    unsigned value = static_cast<unsigned>(number);
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (count > 0)
      push(digits[--count]);
    return *this;
  }
  std::string_view view() const { return {text_.data(), size_}; }

 private:
  void push(char c) {
    if (size_ < kCapacity) text_[size_++] = c;
  }
  std::array<char, kCapacity> text_{};
  std::size_t size_ = 0;
};

inline constexpr std::array<std::string_view, kFighterBulletCount> kRedBulletNames{"Left", "Right",
                                                                                   "Down"};

// Each heavy's bullets in its own processing order.
inline constexpr std::array<std::array<std::string_view, kHeavyBulletCount>, kHeavyCount>
    kBlueBulletNames{{{"Left", "WideLeft", "Down", "Right", "WideRight"},
                      {"WideLeft", "Left", "Down", "Right", "WideRight"}}};

inline constexpr std::array<std::string_view, kBossBulletCount> kBossBulletNames{
    "redFanWideLeft",    "redFanLeft",        "redFanDown",          "redFanRight",
    "redFanWideRight",   "redTrioALeft",      "redTrioADown",        "redTrioARight",
    "redTrioBLeft",      "redTrioBDown",      "redTrioBRight",       "fastRedTrioALeft",
    "fastRedTrioADown",  "fastRedTrioARight", "fastRedTrioBLeft",    "fastRedTrioBDown",
    "fastRedTrioBRight", "blueFanWideLeft",   "blueFanLeft",         "blueFanDown",
    "blueFanRight",      "blueFanWideRight",  "fastBlueFanWideLeft", "fastBlueFanLeft",
    "fastBlueFanDown",   "fastBlueFanRight",  "fastBlueFanWideRight"};

// Calls visit(std::string_view name, i32& value) for every field, in the order
// of the record. State is GameState or const GameState.
template <class State, class Visit>
void forEachField(State& s, Visit&& visit) {
  auto field = [&](auto& value, auto... parts) {
    FieldName name;
    (name << ... << parts);
    visit(name.view(), value);
  };
  auto site = [&](auto& hitSite, auto... parts) {
    field(hitSite.explosionX, parts..., ".explosionX");
    field(hitSite.explosionY, parts..., ".explosionY");
    field(hitSite.dying, parts..., ".dying");
    field(hitSite.respawnTimer, parts..., ".respawnTimer");
  };
  auto place = [&](auto& object, auto... parts) {
    field(object.x, parts..., "X");
    field(object.y, parts..., "Y");
  };
  auto bullet = [&](auto& b, auto... parts) {
    place(b, parts...);
    field(b.flying, parts..., "Flying");
    site(b.site, parts..., "Site");
  };

  field(s.tickCount, "tickCount");
  field(s.playerX, "playerX");
  field(s.playerY, "playerY");
  field(s.shotX, "shotX");
  field(s.shotY, "shotY");
  field(s.shotArmed, "shotArmed");
  field(s.shotQueued, "shotQueued");
  field(s.lifeIcon1X, "lifeIcon1X");
  field(s.lifeIcon1Y, "lifeIcon1Y");
  field(s.lifeIcon2X, "lifeIcon2X");
  field(s.lifeIcon2Y, "lifeIcon2Y");
  field(s.lostFirstLife, "lostFirstLife");
  field(s.lostSecondLife, "lostSecondLife");
  field(s.gameOverMark, "gameOverMark");
  field(s.quitAnswer, "quitAnswer");

  for (int n = 1; n <= kFighterCount; ++n) {
    auto& f = s.fighters[n - 1];
    place(f, "fighter", n);
    field(f.leftward, "fighter", n, "Leftward");
    site(f.bodySite, "fighter", n, "BodySite");
    for (int b = 0; b < kFighterBulletCount; ++b)
      bullet(f.bullets[b], "red", n, kRedBulletNames[b]);
    field(f.explosionX, "fighter", n, "ExplosionX");
    field(f.explosionY, "fighter", n, "ExplosionY");
    field(f.exploding, "fighter", n, "Exploding");
    field(f.explosionTimer, "fighter", n, "ExplosionTimer");
  }

  for (int n = 1; n <= kHeavyCount; ++n) {
    auto& h = s.heavies[n - 1];
    place(h, "heavy", n);
    field(h.entered, "heavy", n, "Entered");
    field(h.pauseCount, "heavy", n, "PauseCount");
    site(h.bodySite, "heavy", n, "BodySite");
    for (int b = 0; b < kHeavyBulletCount; ++b)
      bullet(h.bullets[b], "blue", n, kBlueBulletNames[n - 1][b]);
    field(h.flashing, "heavy", n, "Flashing");
    field(h.flashTimer, "heavy", n, "FlashTimer");
    field(h.hitCount, "heavy", n, "HitCount");
    field(h.explosionX, "heavy", n, "ExplosionX");
    field(h.explosionY, "heavy", n, "ExplosionY");
  }
  field(s.heavyFlashX, "heavyFlashX");
  field(s.heavyFlashY, "heavyFlashY");

  field(s.bannerPhase, "bannerPhase");
  field(s.brightTicks, "brightTicks");
  field(s.mediumTicks, "mediumTicks");
  field(s.darkTicks, "darkTicks");
  field(s.brightBannerX, "brightBannerX");
  field(s.brightBannerY, "brightBannerY");
  field(s.mediumBannerX, "mediumBannerX");
  field(s.mediumBannerY, "mediumBannerY");
  field(s.darkBannerX, "darkBannerX");
  field(s.darkBannerY, "darkBannerY");

  field(s.bossX, "bossX");
  field(s.bossY, "bossY");
  field(s.bossEntered, "bossEntered");
  field(s.bossArrived, "bossArrived");
  field(s.bossHeadingLeft, "bossHeadingLeft");
  field(s.healthBarX, "healthBarX");
  field(s.healthBarY, "healthBarY");
  site(s.bossBodySite, "bossBodySite");

  for (int m = 0; m < kBossBulletCount; ++m)
    bullet(s.bossBullets[m], kBossBulletNames[m]);
  field(s.redTrioBReleased, "redTrioBReleased");
  field(s.fastRedTrioBReleased, "fastRedTrioBReleased");

  field(s.bossHits, "bossHits");
  for (int n = 0; n < kNotchCount; ++n) {
    field(s.notches[n].x, "notches[", n + 1, "].x");
    field(s.notches[n].y, "notches[", n + 1, "].y");
  }
  for (int k = 0; k < kNotchReadyCount; ++k)
    field(s.notchReady[k], "notchReady[", k + 1, "]");
  field(s.bossFlashX, "bossFlashX");
  field(s.bossFlashY, "bossFlashY");
  field(s.bossFlashActive, "bossFlashActive");
  field(s.bossFlashTimer, "bossFlashTimer");
  field(s.defeatExplosionX, "defeatExplosionX");
  field(s.defeatExplosionY, "defeatExplosionY");

  field(s.lossExplosionX, "lossExplosionX");
  field(s.lossExplosionY, "lossExplosionY");
  field(s.continueAnswer, "continueAnswer");
}

// The field of that name, or nullptr.
i32* findField(GameState& s, std::string_view name);
std::optional<i32> readField(const GameState& s, std::string_view name);

}  // namespace vantorix
