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

// The keys that drive the menu.
struct MenuKeyOf {
  SDL_Keycode key;
  MenuKey menuKey;
};
constexpr MenuKeyOf kMenuKeys[] = {
    {SDLK_F10, MenuKey::kF10},         {SDLK_LALT, MenuKey::kAlt},
    {SDLK_RALT, MenuKey::kAlt},        {SDLK_LEFT, MenuKey::kLeft},
    {SDLK_RIGHT, MenuKey::kRight},     {SDLK_UP, MenuKey::kUp},
    {SDLK_DOWN, MenuKey::kDown},       {SDLK_RETURN, MenuKey::kReturn},
    {SDLK_KP_ENTER, MenuKey::kReturn}, {SDLK_ESCAPE, MenuKey::kEscape},
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
  for (const MenuKeyOf& menuKey : kMenuKeys) {
    if (menuKey.key == key) return menuKey.menuKey;
  }
  return MenuKey::kOther;
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
