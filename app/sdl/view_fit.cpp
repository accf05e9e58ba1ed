#include "app/sdl/view_fit.h"

#include <algorithm>

namespace vantorix::sdl {

namespace {

// Rounds towards minus infinity, so points left of or above the field never
// land on its first column or row.
int floorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The largest size of the field's shape within width x height, each side
// rounded to the nearest pixel.
Rect shrunkInto(int width, int height) {
  if (width <= 0 || height <= 0) return {0, 0, 0, 0};
  if (width * kClientHeight <= height * kClientWidth) {
    return {0, 0, width, (width * kClientHeight + kClientWidth / 2) / kClientWidth};
  }
  return {0, 0, (height * kClientWidth + kClientHeight / 2) / kClientHeight, height};
}

}  // namespace

ViewFit fitField(int windowWidth, int windowHeight) {
  const int below = windowHeight - kMenuBarHeight;
  const int whole = std::min(windowWidth / kClientWidth, below / kClientHeight);
  Rect field = whole >= 1 ? Rect{0, 0, kClientWidth * whole, kClientHeight * whole}
                          : shrunkInto(windowWidth, below);
  field.x = (windowWidth - field.width) / 2;
  field.y = kMenuBarHeight + (below - field.height) / 2;
  if (whole >= 1) return {field, {field.x, field.y, whole}};
  return {field,
          {field.x + (field.width - kClientWidth) / 2, field.y + (field.height - kClientHeight) / 2,
           1}};
}

FieldPoint toField(const Plane& plane, int windowX, int windowY) {
  const int scale = std::max(plane.scale, 1);
  const int x = floorDiv(windowX - plane.left, scale);
  const int y = floorDiv(windowY - plane.top, scale);
  return {x, y, x >= 0 && y >= 0 && x < kClientWidth && y < kClientHeight};
}

}  // namespace vantorix::sdl
