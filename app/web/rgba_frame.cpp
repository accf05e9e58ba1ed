#include "app/web/rgba_frame.h"

#include <cstddef>

#include "render/client_area.h"

namespace vantorix::web {

namespace {

constexpr std::size_t kPixelCount = std::size_t{kClientWidth} * kClientHeight;
constexpr std::uint8_t kOpaque = 255;

}  // namespace

RgbaFrame::RgbaFrame() : pixels_(kPixelCount * 4, kOpaque) {}

void RgbaFrame::copyFrom(const PixelCanvas& canvas) {
  const std::span<const std::uint8_t> bgr = canvas.bgr();
  if (bgr.size() != kPixelCount * 3) return;
  for (std::size_t i = 0; i < kPixelCount; ++i) {
    pixels_[4 * i] = bgr[3 * i + 2];
    pixels_[4 * i + 1] = bgr[3 * i + 1];
    pixels_[4 * i + 2] = bgr[3 * i];
  }
}

}  // namespace vantorix::web
