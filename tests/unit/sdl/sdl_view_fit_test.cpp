#include <gtest/gtest.h>

#include "app/sdl/view_fit.h"

namespace vantorix::sdl {
namespace {

TEST(SdlViewFit, LargestWholeScaleBelowTheMenuBarCentredOnBlack) {
  const struct {
    int width, height;
    ViewFit fit;
  } cases[] = {
      {767, 500, {1, 0, 20}},     {1533, 979, {1, 383, 259}},  // one pixel short of twice in both
      {1534, 980, {2, 0, 20}},    {1534, 979, {1, 383, 259}},  // the height alone decides
      {1920, 1080, {2, 193, 70}}, {3840, 2160, {4, 386, 130}}, {2400, 1000, {2, 433, 30}},
      {600, 400, {1, -83, -30}},  // smaller than the field: scale 1, cut evenly
  };
  for (const auto& c : cases) {
    const ViewFit fit = fitField(c.width, c.height);
    EXPECT_EQ(fit.scale, c.fit.scale) << c.width << "x" << c.height;
    EXPECT_EQ(fit.left, c.fit.left) << c.width << "x" << c.height;
    EXPECT_EQ(fit.top, c.fit.top) << c.width << "x" << c.height;
  }
}

TEST(SdlViewFit, WindowPointsMapToTheFieldPixelUnderThem) {
  const ViewFit fit = fitField(1920, 1080);  // 2, (193, 70)
  const struct {
    int x, y;
    FieldPoint at;
  } cases[] = {
      {193, 70, {0, 0, true}},           {194, 71, {0, 0, true}},
      {195, 72, {1, 1, true}},           {192, 70, {-1, 0, false}},  // the border left of the field
      {193, 69, {0, -1, false}},         {193 + 1534 - 1, 70 + 960 - 1, {766, 479, true}},
      {193 + 1534, 70, {767, 0, false}},
  };
  for (const auto& c : cases) {
    const FieldPoint at = toField(fit, c.x, c.y);
    EXPECT_EQ(at.x, c.at.x) << c.x << "," << c.y;
    EXPECT_EQ(at.y, c.at.y) << c.x << "," << c.y;
    EXPECT_EQ(at.inside, c.at.inside) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace vantorix::sdl
