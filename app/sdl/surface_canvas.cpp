#include "app/sdl/surface_canvas.h"

#include "render/client_area.h"
#include "render/copy_clip.h"

namespace vantorix::sdl {

void SurfaceCanvas::copy(int x, int y, int width, int height) {
  if (selected_ == nullptr || target_ == nullptr) return;
  const auto clipped =
      clipCopy(x, y, width, height, selected_->w, selected_->h, kClientWidth, kClientHeight);
  if (!clipped) return;
  SDL_Rect source{clipped->sourceX, clipped->sourceY, clipped->width, clipped->height};
  SDL_Rect target{clipped->targetX, clipped->targetY, clipped->width, clipped->height};
  SDL_BlitSurface(selected_, &source, target_, &target);
}

}  // namespace vantorix::sdl
