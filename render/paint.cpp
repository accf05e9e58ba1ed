#include "render/paint.h"

#include <span>

#include "render/draw_list.h"

namespace vantorix {

namespace {

// A negative tick count is no game state the game reaches; it shows nothing.
std::span<const DrawGroup> displayOf(const GameState& state) {
  if (state.tickCount > 0) return drawGroups();
  if (state.tickCount == 0) return titleGroups();
  return {};
}

}  // namespace

void paint(const GameState& state, Canvas& canvas) {
  for (const DrawGroup& group : displayOf(state)) {
    canvas.select(group.sprite);
    for (const DrawEntry& entry : group.copies) {
      const Point corner = positionOf(state, entry.at);
      canvas.copy(corner.x, corner.y, entry.extent.width, entry.extent.height);
    }
  }
}

}  // namespace vantorix
