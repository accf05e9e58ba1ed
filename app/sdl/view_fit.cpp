#include "app/sdl/view_fit.h"

#include <algorithm>

#include "app/sdl/menu_layout.h"
#include "render/client_area.h"

namespace vantorix::sdl {

namespace {

// Rounds towards minus infinity, so points left of or above the field never
// land on its first column or row.
int floorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

ViewFit fitField(int windowWidth, int windowHeight) {
  const int below = windowHeight - kMenuBarHeight;
  const int scale = std::max(1, std::min(windowWidth / kClientWidth, below / kClientHeight));
  return {scale, (windowWidth - kClientWidth * scale) / 2,
          kMenuBarHeight + (below - kClientHeight * scale) / 2};
}

FieldPoint toField(const ViewFit& fit, int windowX, int windowY) {
  const int scale = std::max(fit.scale, 1);
  const int x = floorDiv(windowX - fit.left, scale);
  const int y = floorDiv(windowY - fit.top, scale);
  return {x, y, x >= 0 && y >= 0 && x < kClientWidth && y < kClientHeight};
}

}  // namespace vantorix::sdl
