#include "app/sdl/key_map.h"

#include "game/keyboard.h"

namespace vantorix::sdl {

namespace {

// The keys the game has rules for, with the Windows virtual-key code of each.
struct GameKey {
  SDL_Keycode key;
  int virtualKey;
};
constexpr GameKey kGameKeys[] = {
    {SDLK_SPACE, kVkSpace}, {SDLK_LEFT, kVkLeft}, {SDLK_UP, kVkUp},
    {SDLK_RIGHT, kVkRight}, {SDLK_DOWN, kVkDown},
};

}  // namespace

int virtualKeyOf(SDL_Keycode key, SDL_Scancode scancode) {
  for (const GameKey& gameKey : kGameKeys) {
    if (gameKey.key == key) return gameKey.virtualKey;
  }
  // Scan codes are small and non-negative; each other key keeps a code of
  // its own, none of them one the game acts on.
  return kUnmappedKeyBase + (static_cast<int>(scancode) & 0x3ff);
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

}  // namespace vantorix::sdl
