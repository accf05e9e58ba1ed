// The picture as the page's canvas takes it: 767 x 480 pixels of red, green,
// blue and an opaque alpha, rows top to bottom.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "render/pixel_canvas.h"

namespace vantorix::web {

class RgbaFrame {
 public:
  RgbaFrame();  // black, sized once

  // Takes every pixel of a painted client area.
  void copyFrom(const PixelCanvas& canvas);
  std::span<const std::uint8_t> rgba() const { return pixels_; }

 private:
  std::vector<std::uint8_t> pixels_;
};

}  // namespace vantorix::web
