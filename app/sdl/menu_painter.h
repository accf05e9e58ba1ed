// Draws the menu bar across the window's width, and the popup when it is
// open, onto the window's picture at its top-left corner.
#pragma once

#include <SDL.h>

#include "app/shell/menu.h"

namespace vantorix::sdl {

void paintMenu(SDL_Surface* surface, const shell::Menu& menu, int windowWidth);

}  // namespace vantorix::sdl
