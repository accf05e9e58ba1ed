// The picture as the page's canvas takes it: 767 x 480 pixels of red, green,
// blue and an opaque alpha, rows top to bottom. It is kept from one paint to
// the next, so a paint converts only the areas where the picture changed.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "render/changed_area.h"
#include "render/pixel_canvas.h"

namespace vantorix::web {

class RgbaFrame {
 public:
  RgbaFrame();  // black, sized once

  // Takes the pixels of a painted client area inside `areas`; the rest keeps
  // what it held.
  void copyFrom(const PixelCanvas& canvas, const AreaList& areas);
  std::span<const std::uint8_t> rgba() const { return pixels_; }

 private:
  std::vector<std::uint8_t> pixels_;
};

}  // namespace vantorix::web
