// The surface a paint draws on, as small as a GDI memory context with BitBlt
// or an SDL surface blit: select one bitmap, then copy it to places.
#pragma once

#include "render/sprite_set.h"

namespace vantorix {

class Canvas {
 public:
  // Makes `sprite` the source of the following copies.
  virtual void select(Sprite sprite) = 0;
  // Copies the selected bitmap from its top-left corner to (x, y), plain
  // source copy, asking for width x height pixels. Only the bitmap's own
  // pixels land; whatever of the request lies beyond it, and whatever lies
  // outside the surface, is left alone.
  virtual void copy(int x, int y, int width, int height) = 0;

 protected:
  ~Canvas() = default;
};

}  // namespace vantorix
