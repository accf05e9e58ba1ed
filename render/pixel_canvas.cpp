#include "render/pixel_canvas.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "render/copy_clip.h"

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
  const auto clipped =
      clipCopy(x, y, width, height, image.width, image.height, kClientWidth, kClientHeight);
  if (!clipped) return;
  const auto rowBytes = static_cast<std::size_t>(clipped->width) * kBytesPerPixel;
  for (int row = 0; row < clipped->height; ++row) {
    const auto source =
        static_cast<std::size_t>((clipped->sourceY + row) * image.width + clipped->sourceX);
    const auto target =
        static_cast<std::size_t>((clipped->targetY + row) * kClientWidth + clipped->targetX);
    std::memcpy(pixels_.data() + target * kBytesPerPixel, image.bgr + source * kBytesPerPixel,
                rowBytes);
  }
}

void PixelCanvas::clear() {
  std::fill(pixels_.begin(), pixels_.end(), std::uint8_t{0});
}

void PixelCanvas::clear(const Area& area) {
  const int left = std::max(area.left, 0);
  const int right = std::min(area.right, kClientWidth);
  if (right <= left) return;
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, kClientHeight); ++y) {
    const auto from =
        (static_cast<std::size_t>(y) * kClientWidth + static_cast<std::size_t>(left)) *
        kBytesPerPixel;
    std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(from),
                static_cast<std::size_t>(right - left) * kBytesPerPixel, std::uint8_t{0});
  }
}

Bgr PixelCanvas::pixel(int x, int y) const {
  if (x < 0 || x >= kClientWidth || y < 0 || y >= kClientHeight) return {};
  const std::size_t at =
      (static_cast<std::size_t>(y) * kClientWidth + static_cast<std::size_t>(x)) * kBytesPerPixel;
  return {pixels_[at], pixels_[at + 1], pixels_[at + 2]};
}

}  // namespace vantorix
