// The sixteen sprites as SDL surfaces in the picture's pixel format, made once
// at start-up from the pictures compiled into the program.
#pragma once

#include <SDL.h>

#include <array>

#include "render/sprite_set.h"

namespace vantorix::sdl {

class SpriteSurfaces {
 public:
  SpriteSurfaces() = default;
  ~SpriteSurfaces();
  SpriteSurfaces(const SpriteSurfaces&) = delete;
  SpriteSurfaces& operator=(const SpriteSurfaces&) = delete;

  // False (with SDL's error set) when a surface could not be made.
  bool load(Uint32 pixelFormat);
  SDL_Surface* surface(Sprite sprite) const;

 private:
  std::array<SDL_Surface*, kSpriteCount> surfaces_{};
};

}  // namespace vantorix::sdl
