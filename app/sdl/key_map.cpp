#include "app/sdl/key_map.h"

#include <optional>

#include "game/keyboard.h"

namespace vantorix::sdl {

namespace {

// What a key means to one part of the program.
template <class Meaning>
struct KeyMeaning {
  SDL_Keycode key;
  Meaning meaning;
};

template <class Meaning, std::size_t N>
std::optional<Meaning> meaningOf(const KeyMeaning<Meaning> (&table)[N], SDL_Keycode key) {
  for (const KeyMeaning<Meaning>& entry : table) {
    if (entry.key == key) return entry.meaning;
  }
  return std::nullopt;
}

// The keys the game has rules for, with the Windows virtual-key code of each.
constexpr KeyMeaning<int> kGameKeys[] = {
    {SDLK_SPACE, kVkSpace}, {SDLK_LEFT, kVkLeft}, {SDLK_UP, kVkUp},
    {SDLK_RIGHT, kVkRight}, {SDLK_DOWN, kVkDown},
};

constexpr KeyMeaning<MenuKey> kMenuKeys[] = {
    {SDLK_F10, MenuKey::kF10},         {SDLK_LALT, MenuKey::kAlt},
    {SDLK_RALT, MenuKey::kAlt},        {SDLK_LEFT, MenuKey::kLeft},
    {SDLK_RIGHT, MenuKey::kRight},     {SDLK_UP, MenuKey::kUp},
    {SDLK_DOWN, MenuKey::kDown},       {SDLK_RETURN, MenuKey::kReturn},
    {SDLK_KP_ENTER, MenuKey::kReturn}, {SDLK_ESCAPE, MenuKey::kEscape},
};

// Tab with Shift held is the one key whose meaning depends on another.
constexpr KeyMeaning<BoxKey> kBoxKeys[] = {
    {SDLK_RETURN, BoxKey::kReturn}, {SDLK_KP_ENTER, BoxKey::kReturn}, {SDLK_SPACE, BoxKey::kSpace},
    {SDLK_TAB, BoxKey::kTab},       {SDLK_LEFT, BoxKey::kPrevious},   {SDLK_UP, BoxKey::kPrevious},
    {SDLK_RIGHT, BoxKey::kNext},    {SDLK_DOWN, BoxKey::kNext},       {SDLK_y, BoxKey::kYes},
    {SDLK_n, BoxKey::kNo},          {SDLK_ESCAPE, BoxKey::kEscape},
};

}  // namespace

int virtualKeyOf(SDL_Keycode key, SDL_Scancode scancode) {
  // Scan codes are small and non-negative; each other key keeps a code of
  // its own, none of them one the game acts on.
  return meaningOf(kGameKeys, key)
      .value_or(kUnmappedKeyBase + (static_cast<int>(scancode) & 0x3ff));
}

MenuKey menuKeyOf(SDL_Keycode key) {
  return meaningOf(kMenuKeys, key).value_or(MenuKey::kOther);
}

BoxKey boxKeyOf(SDL_Keycode key, Uint16 modifiers) {
  const BoxKey meaning = meaningOf(kBoxKeys, key).value_or(BoxKey::kOther);
  return meaning == BoxKey::kTab && (modifiers & KMOD_SHIFT) != 0 ? BoxKey::kBackTab : meaning;
}

}  // namespace vantorix::sdl
