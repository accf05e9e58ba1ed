// Draws the menu bar, and the popup when it is open, onto the picture.
#pragma once

#include <SDL.h>

#include "app/sdl/menu.h"

namespace vantorix::sdl {

void paintMenu(SDL_Surface* picture, const Menu& menu);

}  // namespace vantorix::sdl
