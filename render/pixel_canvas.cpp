#include "render/pixel_canvas.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace vantorix {

namespace {

constexpr std::size_t kBytesPerPixel = 3;

}  // namespace

PixelCanvas::PixelCanvas()
    : pixels_(std::size_t{kClientWidth} * kClientHeight * kBytesPerPixel, std::uint8_t{0}) {}

void PixelCanvas::select(Sprite sprite) {
  selected_ = &spriteImage(sprite);
}

void PixelCanvas::copy(int x, int y, int width, int height) {
  if (selected_ == nullptr || selected_->bgr == nullptr) return;
  const SpriteImage& image = *selected_;
  // Positions come straight from 32-bit game fields and may lie anywhere;
  // in 64 bits no sum below can overflow.
  const std::int64_t w = std::min<std::int64_t>(width, image.width);
  const std::int64_t h = std::min<std::int64_t>(height, image.height);
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + w, kClientWidth);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + h, kClientHeight);
  if (left >= right || top >= bottom) return;

  const auto rowBytes = static_cast<std::size_t>(right - left) * kBytesPerPixel;
  for (std::int64_t row = top; row < bottom; ++row) {
    const auto source = static_cast<std::size_t>((row - y) * image.width + (left - x));
    const auto target = static_cast<std::size_t>(row * kClientWidth + left);
    std::memcpy(pixels_.data() + target * kBytesPerPixel, image.bgr + source * kBytesPerPixel,
                rowBytes);
  }
}

void PixelCanvas::clear() {
  std::fill(pixels_.begin(), pixels_.end(), std::uint8_t{0});
}

Bgr PixelCanvas::pixel(int x, int y) const {
  if (x < 0 || x >= kClientWidth || y < 0 || y >= kClientHeight) return {};
  const std::size_t at =
      (static_cast<std::size_t>(y) * kClientWidth + static_cast<std::size_t>(x)) * kBytesPerPixel;
  return {pixels_[at], pixels_[at + 1], pixels_[at + 2]};
}

}  // namespace vantorix
