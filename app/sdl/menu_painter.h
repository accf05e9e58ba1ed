// Draws the menu bar across the window's width, and the popup when it is
// open, onto the window's picture at its top-left corner.
#pragma once

#include <SDL.h>

#include "app/shell/menu.h"

namespace vantorix::sdl {

// With `recordingFailed` the bar also says that the session's recording
// could not be written any further.
void paintMenu(SDL_Surface* surface, const shell::Menu& menu, int windowWidth,
               bool recordingFailed);

}  // namespace vantorix::sdl
