#include "tools/spritegen/canvas.h"

namespace vantorix::spritegen {

void Canvas::turnGrey() {
  for (Pixel& pixel : pixels_) {
    const Rgb c = pixel.colour;
    if (c == kBlack) continue;
    // Rec. 601 lightness, in thousandths.
    const int light = (299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000;
    const auto grey = static_cast<std::uint8_t>(light < 1 ? 1 : light);
    pixel.colour = Rgb{grey, grey, grey};
  }
}

}  // namespace vantorix::spritegen
