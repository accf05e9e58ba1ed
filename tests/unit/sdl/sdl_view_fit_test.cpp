#include <gtest/gtest.h>

#include "app/sdl/menu.h"
#include "app/sdl/view_fit.h"

namespace vantorix::sdl {
namespace {

TEST(SdlViewFit, LargestWholeScaleCentredOnBlack) {
  const struct {
    int width, height;
    ViewFit fit;
  } cases[] = {
      {767, 500, {1, 0, 0}},      {1533, 999, {1, 383, 249}},  // one pixel short of twice in both
      {1534, 1000, {2, 0, 0}},    {1534, 999, {1, 383, 249}},  // the height alone decides
      {1920, 1080, {2, 193, 40}}, {3840, 2160, {4, 386, 80}}, {2400, 1000, {2, 433, 0}},
      {600, 400, {1, -83, -50}},  // smaller than the picture: scale 1, cut evenly
  };
  for (const auto& c : cases) {
    const ViewFit fit = fitPicture(c.width, c.height, kPictureWidth, kPictureHeight);
    EXPECT_EQ(fit.scale, c.fit.scale) << c.width << "x" << c.height;
    EXPECT_EQ(fit.left, c.fit.left) << c.width << "x" << c.height;
    EXPECT_EQ(fit.top, c.fit.top) << c.width << "x" << c.height;
  }
}

TEST(SdlViewFit, WindowPointsMapToThePicturePixelUnderThem) {
  const ViewFit fit = fitPicture(1920, 1080, kPictureWidth, kPictureHeight);  // 2, (193, 40)
  const struct {
    int x, y;
    PicturePoint at;
  } cases[] = {
      {193, 40, {0, 0, true}},
      {194, 41, {0, 0, true}},
      {195, 42, {1, 1, true}},
      {192, 40, {-1, 0, false}},  // the border left of the picture
      {193, 39, {0, -1, false}},
      {193 + 1534 - 1, 40 + 1000 - 1, {766, 499, true}},
      {193 + 1534, 40, {767, 0, false}},
  };
  for (const auto& c : cases) {
    const PicturePoint at = toPicture(fit, c.x, c.y, kPictureWidth, kPictureHeight);
    EXPECT_EQ(at.x, c.at.x) << c.x << "," << c.y;
    EXPECT_EQ(at.y, c.at.y) << c.x << "," << c.y;
    EXPECT_EQ(at.inside, c.at.inside) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace vantorix::sdl
