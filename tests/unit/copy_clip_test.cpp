#include <gtest/gtest.h>

#include <climits>

#include "render/copy_clip.h"

namespace vantorix {
namespace {

constexpr int kWidth = 767;
constexpr int kHeight = 480;

// Same results as a BitBlt onto the game window: the request is cut to the
// bitmap and to the client area.
TEST(CopyClip, CutsToTheSpriteAndToTheField) {
  const struct {
    const char* name;
    int x, y, width, height, imageWidth, imageHeight;
    bool lands;
    ClippedCopy copy;
  } cases[] = {
      {"inside, request larger than the sprite",
       100,
       50,
       256,
       128,
       26,
       30,
       true,
       {0, 0, 100, 50, 26, 30}},
      {"request smaller than the sprite", 10, 10, 5, 4, 26, 30, true, {0, 0, 10, 10, 5, 4}},
      {"left edge", -10, 0, 256, 128, 26, 30, true, {10, 0, 0, 0, 16, 30}},
      {"top edge", 0, -29, 256, 128, 26, 30, true, {0, 29, 0, 0, 26, 1}},
      {"right edge", 750, 460, 256, 128, 26, 30, true, {0, 0, 750, 460, 17, 20}},
      {"title fills the field", 0, 0, 800, 800, 767, 480, true, {0, 0, 0, 0, 767, 480}},
      {"parked just above", 0, -30, 256, 128, 26, 30, false, {}},
      {"parked below", 0, 480, 256, 128, 26, 30, false, {}},
      {"parked right", 767, 0, 256, 128, 26, 30, false, {}},
      {"far left, no overflow", INT_MIN, 0, 256, 128, 26, 30, false, {}},
      {"far right, no overflow", INT_MAX, INT_MAX, 256, 128, 26, 30, false, {}},
      {"empty request", 10, 10, 0, 128, 26, 30, false, {}},
      {"negative request", 10, 10, -5, 128, 26, 30, false, {}},
  };
  for (const auto& c : cases) {
    const auto copy =
        clipCopy(c.x, c.y, c.width, c.height, c.imageWidth, c.imageHeight, kWidth, kHeight);
    ASSERT_EQ(copy.has_value(), c.lands) << c.name;
    if (!copy) continue;
    EXPECT_EQ(copy->sourceX, c.copy.sourceX) << c.name;
    EXPECT_EQ(copy->sourceY, c.copy.sourceY) << c.name;
    EXPECT_EQ(copy->targetX, c.copy.targetX) << c.name;
    EXPECT_EQ(copy->targetY, c.copy.targetY) << c.name;
    EXPECT_EQ(copy->width, c.copy.width) << c.name;
    EXPECT_EQ(copy->height, c.copy.height) << c.name;
  }
}

}  // namespace
}  // namespace vantorix
