// Draws a message box onto a picture of the client area, over whatever is
// there, where the box lies in it.
#pragma once

#include <SDL.h>

#include "app/sdl/rect.h"
#include "app/shell/message_box.h"

namespace vantorix::sdl {

// Returns the rectangle the box covers.
Rect paintBox(SDL_Surface* field, const shell::MessageBox& box);

}  // namespace vantorix::sdl
