// The size the window really has on the screen, in pixels. SDL's own figure
// can be wrong: without a window manager X ignores a request for fullscreen,
// yet SDL takes the window for the screen's size from then on.
#pragma once

#include <SDL.h>

namespace vantorix::sdl {

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

PixelSize windowPixelSize(SDL_Window* window);

}  // namespace vantorix::sdl
