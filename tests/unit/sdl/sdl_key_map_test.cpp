#include <gtest/gtest.h>

#include <set>

#include "app/sdl/key_map.h"

namespace vantorix::sdl {
namespace {

TEST(SdlKeyMap, GameKeysGetTheirVirtualKeyCodes) {
  const struct {
    SDL_Keycode key;
    SDL_Scancode scancode;
    int virtualKey;
  } cases[] = {
      {SDLK_SPACE, SDL_SCANCODE_SPACE, 32}, {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
      {SDLK_UP, SDL_SCANCODE_UP, 38},       {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},
      {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
  };
  for (const auto& c : cases)
    EXPECT_EQ(virtualKeyOf(c.key, c.scancode), c.virtualKey) << c.key;
}

// Page up, page down, end and home are 33 to 36 on Windows: no other key may
// land on a code the game could mistake for a key of its own.
TEST(SdlKeyMap, EveryOtherKeyGetsACodeOfItsOwnAboveTheGameKeys) {
  std::set<int> seen;
  for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
    const auto code = static_cast<SDL_Scancode>(scancode);
    const SDL_Keycode key = SDL_SCANCODE_TO_KEYCODE(code);
    if (key == SDLK_LEFT || key == SDLK_RIGHT || key == SDLK_UP || key == SDLK_DOWN) continue;
    const int virtualKey = virtualKeyOf(key, code);
    EXPECT_GE(virtualKey, kUnmappedKeyBase) << scancode;
    EXPECT_TRUE(seen.insert(virtualKey).second) << scancode;
  }
  const struct {
    SDL_Keycode key;
    SDL_Scancode scancode;
  } others[] = {
      {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP}, {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN},
      {SDLK_END, SDL_SCANCODE_END},       {SDLK_HOME, SDL_SCANCODE_HOME},
      {SDLK_a, SDL_SCANCODE_A},           {SDLK_RETURN, SDL_SCANCODE_RETURN},
      {SDLK_KP_4, SDL_SCANCODE_KP_4},     {SDLK_F10, SDL_SCANCODE_F10},
  };
  for (const auto& c : others)
    EXPECT_GE(virtualKeyOf(c.key, c.scancode), kUnmappedKeyBase);
}

TEST(SdlKeyMap, MenuKeys) {
  const struct {
    SDL_Keycode key;
    MenuKey menuKey;
  } cases[] = {
      {SDLK_F10, MenuKey::kF10},         {SDLK_LALT, MenuKey::kAlt},
      {SDLK_RALT, MenuKey::kAlt},        {SDLK_LEFT, MenuKey::kLeft},
      {SDLK_RIGHT, MenuKey::kRight},     {SDLK_UP, MenuKey::kUp},
      {SDLK_DOWN, MenuKey::kDown},       {SDLK_RETURN, MenuKey::kReturn},
      {SDLK_KP_ENTER, MenuKey::kReturn}, {SDLK_ESCAPE, MenuKey::kEscape},
      {SDLK_SPACE, MenuKey::kOther},     {SDLK_F11, MenuKey::kOther},
      {SDLK_LCTRL, MenuKey::kOther},
  };
  for (const auto& c : cases)
    EXPECT_EQ(menuKeyOf(c.key), c.menuKey) << c.key;
}

}  // namespace
}  // namespace vantorix::sdl
