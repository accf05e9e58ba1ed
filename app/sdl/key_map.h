// What a key press means to the SDL program: a virtual-key code for the game
// (the codes of the Windows keyboard, which the game's key rules use), one of
// the keys that drive the menu, or one that answers a message box.
#pragma once

#include <SDL_keycode.h>

#include "app/sdl/message_box.h"

namespace vantorix::sdl {

// Codes for keys the game has no rule for start here, above every
// virtual-key code the game acts on.
inline constexpr int kUnmappedKeyBase = 0x100;

int virtualKeyOf(SDL_Keycode key, SDL_Scancode scancode);

enum class MenuKey {
  kOther,  // any key without a meaning in the menu
  kF10,
  kAlt,
  kLeft,
  kRight,
  kUp,
  kDown,
  kReturn,
  kEscape,
};

MenuKey menuKeyOf(SDL_Keycode key);

// `modifiers` are SDL's, for Shift+Tab.
BoxKey boxKeyOf(SDL_Keycode key, Uint16 modifiers);

}  // namespace vantorix::sdl
