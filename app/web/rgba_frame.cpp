#include "app/web/rgba_frame.h"

#include <cstddef>

#include "render/client_area.h"

namespace vantorix::web {

namespace {

constexpr std::size_t kPixelCount = std::size_t{kClientWidth} * kClientHeight;
constexpr std::uint8_t kOpaque = 255;

}  // namespace

RgbaFrame::RgbaFrame() : pixels_(kPixelCount * 4, kOpaque) {}

void RgbaFrame::copyFrom(const PixelCanvas& canvas, const AreaList& areas) {
  const std::span<const std::uint8_t> bgr = canvas.bgr();
  if (bgr.size() != kPixelCount * 3) return;
  // The areas lie inside the client area: the list cuts them to it.
  for (const Area& area : areas.areas()) {
    for (int y = area.top; y < area.bottom; ++y) {
      const std::size_t row = static_cast<std::size_t>(y) * kClientWidth;
      const std::size_t end = row + static_cast<std::size_t>(area.right);
      for (std::size_t i = row + static_cast<std::size_t>(area.left); i < end; ++i) {
        pixels_[4 * i] = bgr[3 * i + 2];
        pixels_[4 * i + 1] = bgr[3 * i + 1];
        pixels_[4 * i + 2] = bgr[3 * i];
      }
    }
  }
}

}  // namespace vantorix::web
