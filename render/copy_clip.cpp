#include "render/copy_clip.h"

#include <algorithm>
#include <cstdint>

namespace vantorix {

std::optional<ClippedCopy> clipCopy(int x, int y, int width, int height, int imageWidth,
                                    int imageHeight, int surfaceWidth, int surfaceHeight) {
  // Positions come straight from 32-bit game fields; in 64 bits no sum
  // below can overflow.
  const std::int64_t w = std::min(width, imageWidth);
  const std::int64_t h = std::min(height, imageHeight);
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + w, surfaceWidth);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + h, surfaceHeight);
  if (left >= right || top >= bottom) return std::nullopt;
  // Every value below now lies within the image or the surface.
  return ClippedCopy{static_cast<int>(left - x),     static_cast<int>(top - y),
                     static_cast<int>(left),         static_cast<int>(top),
                     static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

}  // namespace vantorix
