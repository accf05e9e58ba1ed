#include "app/sdl/area_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantorix::sdl {
namespace {

constexpr std::uint32_t kUntouched = 0xdeadbeef;

// A changed rectangle scaled alone lands exactly where scaling the whole
// field would put its pixels, and nowhere else, even cut by the window's
// edges.
TEST(SdlAreaScaling, AChangedRectangleLandsAsTheWholeFieldScaledWould) {
  struct Case {
    Plane plane;
    Area area;
  };
  const Case cases[] = {
      {{0, 20, 1}, {3, 2, 9, 7}},     // 1:1 below the bar
      {{7, 21, 2}, {1, 3, 12, 8}},    // twice, at odd offsets
      {{-5, -4, 3}, {0, 0, 13, 9}},   // three times, the field's corner off the window
      {{40, 30, 2}, {10, 6, 13, 9}},  // cut by the window's right and bottom edges
  };
  constexpr int kFieldWidth = 13;
  constexpr int kFieldHeight = 9;
  constexpr int kWindowWidth = 61;
  constexpr int kWindowHeight = 47;
  std::vector<std::uint32_t> field(kFieldWidth * kFieldHeight);
  for (std::size_t i = 0; i < field.size(); ++i)
    field[i] = static_cast<std::uint32_t>(i * 2654435761U);
  for (const Case& c : cases) {
    std::vector<std::uint32_t> window(kWindowWidth * kWindowHeight, kUntouched);
    scaleArea({field.data(), kFieldWidth, kFieldWidth, kFieldHeight}, c.area, c.plane,
              {window.data(), kWindowWidth, kWindowWidth, kWindowHeight});
    const Rect landed = onWindow(c.plane, c.area);
    int wrong = 0;
    for (int y = 0; y < kWindowHeight; ++y) {
      for (int x = 0; x < kWindowWidth; ++x) {
        const std::uint32_t want =
            landed.contains(x, y)
                ? field[static_cast<std::size_t>((y - c.plane.top) / c.plane.scale * kFieldWidth +
                                                 (x - c.plane.left) / c.plane.scale)]
                : kUntouched;
        wrong += window[static_cast<std::size_t>(y * kWindowWidth + x)] == want ? 0 : 1;
      }
    }
    EXPECT_EQ(wrong, 0) << "scale " << c.plane.scale << " at " << c.plane.left << ","
                        << c.plane.top;
  }
}

}  // namespace
}  // namespace vantorix::sdl
