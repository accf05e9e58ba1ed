// Draws the menu bar across the window's width, and the popup when it is
// open, onto the window's picture at its top-left corner.
#pragma once

#include <SDL.h>

#include "app/sdl/menu.h"

namespace vantorix::sdl {

void paintMenu(SDL_Surface* surface, const Menu& menu, int windowWidth);

}  // namespace vantorix::sdl
