// A key as SDL reports it, as the shell core takes it: SDL's scancode is the
// key's USB usage, which gives its virtual-key code.
#pragma once

#include <SDL_events.h>

#include "app/shell/key_map.h"

namespace vantorix::sdl {

shell::KeyInput keyInputOf(const SDL_KeyboardEvent& event);

}  // namespace vantorix::sdl
