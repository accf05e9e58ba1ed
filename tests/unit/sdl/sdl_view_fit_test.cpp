#include <gtest/gtest.h>

#include "app/sdl/box_layout.h"
#include "app/sdl/view_fit.h"
#include "app/texts.h"

namespace vantorix::sdl {
namespace {

TEST(SdlViewFit, WholeScalesBelowTheMenuBarOrShrunkWholeCentredOnBlack) {
  const struct {
    int width, height;
    Rect field;
    Plane boxes;  // with the field at a whole scale, else at 1:1 centred on it
  } cases[] = {
      {767, 500, {0, 20, 767, 480}, {0, 20, 1}},
      {1533, 979, {383, 259, 767, 480}, {383, 259, 1}},  // one pixel short of twice in both
      {1534, 980, {0, 20, 1534, 960}, {0, 20, 2}},
      {1534, 979, {383, 259, 767, 480}, {383, 259, 1}},  // the height alone decides
      {1920, 1080, {193, 70, 1534, 960}, {193, 70, 2}},
      {3840, 2160, {386, 130, 3068, 1920}, {386, 130, 4}},
      {766, 500, {0, 20, 766, 479}, {0, 20, 1}},  // a pixel too narrow: shrunk, the shape kept
      {600, 400, {0, 22, 600, 375}, {-83, -30, 1}},
      {kSmallestWindowWidth, kSmallestWindowHeight, {0, 20, 384, 240}, {-191, -100, 1}},
      {2000, 300, {776, 20, 447, 280}, {616, -80, 1}},  // the height decides
      {10, 10, {5, 15, 0, 0}, {-378, -225, 1}},         // no room below the bar
  };
  for (const auto& c : cases) {
    const ViewFit fit = fitField(c.width, c.height);
    const Rect& f = fit.field;
    EXPECT_EQ(f.x, c.field.x) << c.width << "x" << c.height;
    EXPECT_EQ(f.y, c.field.y) << c.width << "x" << c.height;
    EXPECT_EQ(f.width, c.field.width) << c.width << "x" << c.height;
    EXPECT_EQ(f.height, c.field.height) << c.width << "x" << c.height;
    EXPECT_EQ(fit.boxes.left, c.boxes.left) << c.width << "x" << c.height;
    EXPECT_EQ(fit.boxes.top, c.boxes.top) << c.width << "x" << c.height;
    EXPECT_EQ(fit.boxes.scale, c.boxes.scale) << c.width << "x" << c.height;
  }
}

TEST(SdlViewFit, WindowPointsMapToTheBoxPixelUnderThem) {
  const Plane scaled = fitField(1920, 1080).boxes;  // 2, (193, 70)
  const Plane shrunk = fitField(600, 400).boxes;    // 1, (-83, -30)
  const struct {
    const Plane& plane;
    int x, y;
    FieldPoint at;
  } cases[] = {
      {scaled, 193, 70, {0, 0, true}},
      {scaled, 194, 71, {0, 0, true}},
      {scaled, 195, 72, {1, 1, true}},
      {scaled, 192, 70, {-1, 0, false}},  // the border left of the field
      {scaled, 193, 69, {0, -1, false}},
      {scaled, 193 + 1534 - 1, 70 + 960 - 1, {766, 479, true}},
      {scaled, 193 + 1534, 70, {767, 0, false}},
      {shrunk, 0, 0, {83, 30, true}},
      {shrunk, 307, 236, {390, 266, true}},
  };
  for (const auto& c : cases) {
    const FieldPoint at = toField(c.plane, c.x, c.y);
    EXPECT_EQ(at.x, c.at.x) << c.x << "," << c.y;
    EXPECT_EQ(at.y, c.at.y) << c.x << "," << c.y;
    EXPECT_EQ(at.inside, c.at.inside) << c.x << "," << c.y;
  }
}

// Over a shrunk field the boxes keep their own size: in the smallest window
// each lies whole below the bar.
TEST(SdlViewFit, EveryBoxFitsWholeInTheSmallestWindow) {
  const Plane plane = fitField(kSmallestWindowWidth, kSmallestWindowHeight).boxes;
  const Rect below{0, kMenuBarHeight, kSmallestWindowWidth, kSmallestWindowHeight - kMenuBarHeight};
  for (const texts::BoxText& text :
       {texts::kStartBox, texts::kQuitBox, texts::kWinBox, texts::kLossBox, texts::kContinueBox}) {
    const Rect box =
        layOutBox(shell::MessageBox(text.text, text.caption, BoxButtons::kYesNo)).frame;
    EXPECT_TRUE(
        below.contains(plane.left + box.x, plane.top + box.y) &&
        below.contains(plane.left + box.x + box.width - 1, plane.top + box.y + box.height - 1))
        << text.text;
  }
}

}  // namespace
}  // namespace vantorix::sdl
