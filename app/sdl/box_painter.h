// Draws a message box onto the field, over whatever the game painted there.
#pragma once

#include <SDL.h>

#include "app/shell/message_box.h"

namespace vantorix::sdl {

void paintBox(SDL_Surface* field, const shell::MessageBox& box);

}  // namespace vantorix::sdl
