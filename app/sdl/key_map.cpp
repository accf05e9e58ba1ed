#include "app/sdl/key_map.h"

namespace vantorix::sdl {

int virtualKeyOf(SDL_Keycode key, SDL_Scancode scancode) {
  switch (key) {
    case SDLK_SPACE:
      return 32;
    case SDLK_LEFT:
      return 37;
    case SDLK_UP:
      return 38;
    case SDLK_RIGHT:
      return 39;
    case SDLK_DOWN:
      return 40;
    default:
      // Scan codes are small and non-negative; each key keeps a code of
      // its own, none of them one the game acts on.
      return kUnmappedKeyBase + (static_cast<int>(scancode) & 0x3ff);
  }
}

MenuKey menuKeyOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_F10:
      return MenuKey::kF10;
    case SDLK_LALT:
    case SDLK_RALT:
      return MenuKey::kAlt;
    case SDLK_LEFT:
      return MenuKey::kLeft;
    case SDLK_RIGHT:
      return MenuKey::kRight;
    case SDLK_UP:
      return MenuKey::kUp;
    case SDLK_DOWN:
      return MenuKey::kDown;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return MenuKey::kReturn;
    case SDLK_ESCAPE:
      return MenuKey::kEscape;
    default:
      return MenuKey::kOther;
  }
}

BoxKey boxKeyOf(SDL_Keycode key, Uint16 modifiers) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return BoxKey::kReturn;
    case SDLK_SPACE:
      return BoxKey::kSpace;
    case SDLK_TAB:
      return (modifiers & KMOD_SHIFT) != 0 ? BoxKey::kBackTab : BoxKey::kTab;
    case SDLK_LEFT:
    case SDLK_UP:
      return BoxKey::kPrevious;
    case SDLK_RIGHT:
    case SDLK_DOWN:
      return BoxKey::kNext;
    case SDLK_y:
      return BoxKey::kYes;
    case SDLK_n:
      return BoxKey::kNo;
    case SDLK_ESCAPE:
      return BoxKey::kEscape;
    default:
      return BoxKey::kOther;
  }
}

}  // namespace vantorix::sdl
