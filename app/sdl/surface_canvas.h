// The game's paint onto the SDL program's field, a surface of the client
// area's size: every copy lands exactly as BitBlt would put it on the game
// window.
#pragma once

#include <SDL.h>

#include "app/sdl/sprite_surfaces.h"
#include "render/canvas.h"

namespace vantorix::sdl {

class SurfaceCanvas final : public Canvas {
 public:
  SurfaceCanvas(SDL_Surface* target, const SpriteSurfaces& sprites)
      : target_(target), sprites_(sprites) {}

  void select(Sprite sprite) override { selected_ = sprites_.surface(sprite); }
  void copy(int x, int y, int width, int height) override;

 private:
  SDL_Surface* target_;
  const SpriteSurfaces& sprites_;
  SDL_Surface* selected_ = nullptr;
};

}  // namespace vantorix::sdl
