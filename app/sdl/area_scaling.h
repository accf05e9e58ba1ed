// A changed part of the client area in the window: where it lands at a whole
// scale, and the copy that enlarges just that part, pixel for pixel.
#pragma once

#include <cstdint>

#include "app/sdl/rect.h"
#include "app/sdl/view_fit.h"
#include "render/changed_area.h"

namespace vantorix::sdl {

// `area` of the client area in window pixels, on `plane`.
Rect onWindow(const Plane& plane, const Area& area);

// A picture of 32-bit pixels; `pitch` counts pixels.
struct Pixels32 {
  std::uint32_t* pixels;
  int pitch;
  int width;
  int height;
};

// Copies `area` of `field` (a picture of the client area) onto `window`,
// each pixel as a plane.scale-wide square, as a nearest-neighbour scaling of
// the whole field would put it there; what falls outside `window` is left.
void scaleArea(const Pixels32& field, const Area& area, const Plane& plane, const Pixels32& window);

}  // namespace vantorix::sdl
