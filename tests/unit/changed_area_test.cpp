#include "render/changed_area.h"

#include <gtest/gtest.h>

#include "game/keyboard.h"
#include "game/tick.h"
#include "render/paint.h"
#include "render/pixel_canvas.h"

namespace vantorix {
namespace {

bool covered(const AreaList& list, int x, int y) {
  for (const Area& a : list.areas()) {
    if (x >= a.left && x < a.right && y >= a.top && y < a.bottom) return true;
  }
  return false;
}

// A shell's picture: painted through the tracker, shown where it changed.
struct Shown {
  ChangeTracker tracker;
  PixelCanvas picture;  // what a full repaint gives
  PixelCanvas window;   // what the window holds, sent only where changed

  // Paints `state` (with `box` drawn over it, if any); returns what changed.
  const AreaList& show(const GameState& state, Area box = {}) {
    picture.clear();
    ChangeTracker::Tracking canvas = tracker.beginPaint(picture);
    paint(state, canvas);
    if (!box.empty()) tracker.drew(box);
    const AreaList& changed = tracker.changed();
    for (const Area& a : changed.areas()) {
      for (int y = a.top; y < a.bottom; ++y) {
        for (int x = a.left; x < a.right; ++x)
          pixels[y][x] = picture.pixel(x, y);
      }
    }
    tracker.shown();
    return changed;
  }
  // The window equals a full repaint everywhere.
  void expectExact(const char* when) const {
    int wrong = 0;
    for (int y = 0; y < kClientHeight; ++y) {
      for (int x = 0; x < kClientWidth; ++x)
        wrong += pixels[y][x] == picture.pixel(x, y) ? 0 : 1;
    }
    EXPECT_EQ(wrong, 0) << when;
  }
  Bgr pixels[kClientHeight][kClientWidth]{};
};

TEST(ChangedArea, WhatTheLastAndThisPaintDrewAndNothingElse) {
  auto shown = std::make_unique<Shown>();
  GameState s;
  EXPECT_TRUE(shown->show(s).whole()) << "the first picture, the title";
  runWorldTick(s);
  EXPECT_TRUE(shown->show(s).whole()) << "the title going";
  shown->expectExact("the first tick");

  // A second of play with the ship steering and firing: each picture sent
  // only where it changed, and never the whole.
  for (int tick = 0; tick < 64; ++tick) {
    pressKey(s, tick % 16 < 8 ? kVkLeft : kVkRight);
    if (tick % 10 == 0) pressKey(s, kVkSpace);
    runWorldTick(s);
    const AreaList& changed = shown->show(s);
    EXPECT_FALSE(changed.whole()) << tick;
    EXPECT_LE(changed.areas().size(), static_cast<std::size_t>(AreaList::kMaxAreas));
  }
  shown->expectExact("after a second of play");

  // The shot flies off the top: where it was is sent black.
  s.shotX = 300;
  s.shotY = 200;
  shown->show(s);
  s.shotY = -100;
  EXPECT_TRUE(covered(shown->show(s), 300, 200));
  shown->expectExact("the shot gone off the field");

  // A box closing while the field moves under it: its area is sent again.
  const Area box{250, 180, 520, 300};
  shown->show(s, box);
  s.playerX -= 5;
  EXPECT_TRUE(covered(shown->show(s), 251, 181)) << "the box's area once it closed";
  shown->expectExact("the box closed");

  // Back to the title: whole.
  s = GameState{};
  EXPECT_TRUE(shown->show(s).whole());
  shown->expectExact("the title again");
}

TEST(ChangedArea, AListMergesWhatLiesCloseAndStaysShort) {
  AreaList list;
  list.add({10, 10, 20, 20});
  list.add({22, 10, 32, 20});  // close: one rectangle
  ASSERT_EQ(list.areas().size(), 1U);
  EXPECT_EQ(list.areas()[0], (Area{10, 10, 32, 20}));
  list.add({500, 400, 510, 410});  // far: a second one
  EXPECT_EQ(list.areas().size(), 2U);
  list.add({-50, 300, 5, 305});  // cut to the client area
  EXPECT_EQ(list.areas().back(), (Area{0, 300, 5, 305}));
  for (int i = 0; i < 40; ++i)
    list.add({i * 19, (i * 97) % 470, i * 19 + 4, (i * 97) % 470 + 4});
  EXPECT_LE(list.areas().size(), static_cast<std::size_t>(AreaList::kMaxAreas));
  EXPECT_TRUE(covered(list, 39 * 19, (39 * 97) % 470));
}

}  // namespace
}  // namespace vantorix
