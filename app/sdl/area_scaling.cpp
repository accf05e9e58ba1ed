#include "app/sdl/area_scaling.h"

#include <algorithm>
#include <cstddef>

namespace vantorix::sdl {

namespace {

// Rounds towards minus infinity, for window pixels left of or above the field.
int floorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

Rect onWindow(const Plane& plane, const Area& area) {
  const int scale = std::max(plane.scale, 1);
  return {plane.left + area.left * scale, plane.top + area.top * scale, area.width() * scale,
          area.height() * scale};
}

void scaleArea(const Pixels32& field, const Area& area, const Plane& plane,
               const Pixels32& window) {
  const int scale = std::max(plane.scale, 1);
  // Only the client-area pixels whose squares land at least partly inside.
  const Area within{
      std::max({area.left, 0, floorDiv(-plane.left, scale)}),
      std::max({area.top, 0, floorDiv(-plane.top, scale)}),
      std::min({area.right, field.width, floorDiv(window.width - plane.left + scale - 1, scale)}),
      std::min(
          {area.bottom, field.height, floorDiv(window.height - plane.top + scale - 1, scale)})};
  if (within.empty()) return;
  const int left = std::max(plane.left + within.left * scale, 0);
  const int right = std::min(plane.left + within.right * scale, window.width);
  for (int y = within.top; y < within.bottom; ++y) {
    const std::uint32_t* from = field.pixels + static_cast<std::ptrdiff_t>(y) * field.pitch;
    const int top = std::max(plane.top + y * scale, 0);
    const int bottom = std::min(plane.top + (y + 1) * scale, window.height);
    std::uint32_t* first = window.pixels + static_cast<std::ptrdiff_t>(top) * window.pitch;
    int source = floorDiv(left - plane.left, scale);
    int phase = left - plane.left - source * scale;
    for (int x = left; x < right; ++x) {
      first[x] = from[source];
      if (++phase == scale) {
        phase = 0;
        ++source;
      }
    }
    // The other rows of the square are the same.
    for (int row = top + 1; row < bottom; ++row) {
      std::copy(first + left, first + right,
                window.pixels + static_cast<std::ptrdiff_t>(row) * window.pitch + left);
    }
  }
}

}  // namespace vantorix::sdl
