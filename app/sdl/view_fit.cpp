#include "app/sdl/view_fit.h"

#include <algorithm>

namespace vantorix::sdl {

namespace {

// Rounds towards minus infinity, so points left of or above the picture
// never land on its first column or row.
int floorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

ViewFit fitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return {};
  const int scale = std::max(1, std::min(windowWidth / pictureWidth, windowHeight / pictureHeight));
  return {scale, (windowWidth - pictureWidth * scale) / 2,
          (windowHeight - pictureHeight * scale) / 2};
}

PicturePoint toPicture(const ViewFit& fit, int windowX, int windowY, int pictureWidth,
                       int pictureHeight) {
  const int scale = std::max(fit.scale, 1);
  const int x = floorDiv(windowX - fit.left, scale);
  const int y = floorDiv(windowY - fit.top, scale);
  return {x, y, x >= 0 && y >= 0 && x < pictureWidth && y < pictureHeight};
}

}  // namespace vantorix::sdl
