#include "app/sdl/key_map.h"

#include <algorithm>
#include <string_view>

namespace vantorix::sdl {

namespace {

// SDL's scancodes are the USB usages the key table is written in. Each
// SDL_SCANCODE_ constant must lie at the usage of the key the page knows by
// that name, or the two shells would give one key two codes.
struct SdlKey {
  SDL_Scancode scancode;
  std::string_view domCode;
};

constexpr SdlKey kSdlKeys[] = {
    {SDL_SCANCODE_A, "KeyA"},
    {SDL_SCANCODE_Z, "KeyZ"},
    {SDL_SCANCODE_1, "Digit1"},
    {SDL_SCANCODE_0, "Digit0"},
    {SDL_SCANCODE_RETURN, "Enter"},
    {SDL_SCANCODE_ESCAPE, "Escape"},
    {SDL_SCANCODE_BACKSPACE, "Backspace"},
    {SDL_SCANCODE_TAB, "Tab"},
    {SDL_SCANCODE_SPACE, "Space"},
    {SDL_SCANCODE_MINUS, "Minus"},
    {SDL_SCANCODE_EQUALS, "Equal"},
    {SDL_SCANCODE_LEFTBRACKET, "BracketLeft"},
    {SDL_SCANCODE_RIGHTBRACKET, "BracketRight"},
    {SDL_SCANCODE_BACKSLASH, "Backslash"},
    {SDL_SCANCODE_SEMICOLON, "Semicolon"},
    {SDL_SCANCODE_APOSTROPHE, "Quote"},
    {SDL_SCANCODE_GRAVE, "Backquote"},
    {SDL_SCANCODE_COMMA, "Comma"},
    {SDL_SCANCODE_PERIOD, "Period"},
    {SDL_SCANCODE_SLASH, "Slash"},
    {SDL_SCANCODE_CAPSLOCK, "CapsLock"},
    {SDL_SCANCODE_NONUSBACKSLASH, "IntlBackslash"},
    {SDL_SCANCODE_APPLICATION, "ContextMenu"},
    {SDL_SCANCODE_F1, "F1"},
    {SDL_SCANCODE_F4, "F4"},
    {SDL_SCANCODE_F10, "F10"},
    {SDL_SCANCODE_F11, "F11"},
    {SDL_SCANCODE_F12, "F12"},
    {SDL_SCANCODE_F13, "F13"},
    {SDL_SCANCODE_F24, "F24"},
    {SDL_SCANCODE_PRINTSCREEN, "PrintScreen"},
    {SDL_SCANCODE_SCROLLLOCK, "ScrollLock"},
    {SDL_SCANCODE_PAUSE, "Pause"},
    {SDL_SCANCODE_INSERT, "Insert"},
    {SDL_SCANCODE_HOME, "Home"},
    {SDL_SCANCODE_PAGEUP, "PageUp"},
    {SDL_SCANCODE_DELETE, "Delete"},
    {SDL_SCANCODE_END, "End"},
    {SDL_SCANCODE_PAGEDOWN, "PageDown"},
    {SDL_SCANCODE_RIGHT, "ArrowRight"},
    {SDL_SCANCODE_LEFT, "ArrowLeft"},
    {SDL_SCANCODE_DOWN, "ArrowDown"},
    {SDL_SCANCODE_UP, "ArrowUp"},
    {SDL_SCANCODE_NUMLOCKCLEAR, "NumLock"},
    {SDL_SCANCODE_KP_DIVIDE, "NumpadDivide"},
    {SDL_SCANCODE_KP_MULTIPLY, "NumpadMultiply"},
    {SDL_SCANCODE_KP_MINUS, "NumpadSubtract"},
    {SDL_SCANCODE_KP_PLUS, "NumpadAdd"},
    {SDL_SCANCODE_KP_ENTER, "NumpadEnter"},
    {SDL_SCANCODE_KP_1, "Numpad1"},
    {SDL_SCANCODE_KP_9, "Numpad9"},
    {SDL_SCANCODE_KP_0, "Numpad0"},
    {SDL_SCANCODE_KP_PERIOD, "NumpadDecimal"},
    {SDL_SCANCODE_INTERNATIONAL1, "IntlRo"},
    {SDL_SCANCODE_INTERNATIONAL2, "KanaMode"},
    {SDL_SCANCODE_INTERNATIONAL3, "IntlYen"},
    {SDL_SCANCODE_INTERNATIONAL4, "Convert"},
    {SDL_SCANCODE_INTERNATIONAL5, "NonConvert"},
    {SDL_SCANCODE_LANG1, "Lang1"},
    {SDL_SCANCODE_LANG2, "Lang2"},
    {SDL_SCANCODE_LCTRL, "ControlLeft"},
    {SDL_SCANCODE_LSHIFT, "ShiftLeft"},
    {SDL_SCANCODE_LALT, "AltLeft"},
    {SDL_SCANCODE_LGUI, "MetaLeft"},
    {SDL_SCANCODE_RCTRL, "ControlRight"},
    {SDL_SCANCODE_RSHIFT, "ShiftRight"},
    {SDL_SCANCODE_RALT, "AltRight"},
    {SDL_SCANCODE_RGUI, "MetaRight"},
};

constexpr bool atItsUsage(const SdlKey& key) {
  return std::any_of(std::begin(shell::kKeyPlaces), std::end(shell::kKeyPlaces),
                     [&key](const shell::KeyPlace& place) {
                       return place.domCode == key.domCode && place.usage == key.scancode;
                     });
}

static_assert(std::all_of(std::begin(kSdlKeys), std::end(kSdlKeys), atItsUsage),
              "an SDL scancode differs from the key table's USB usage");

}  // namespace

shell::KeyInput keyInputOf(const SDL_KeyboardEvent& event) {
  const Uint16 modifiers = event.keysym.mod;
  return {shell::virtualKeyOfUsage(event.keysym.scancode), event.repeat != 0,
          (modifiers & KMOD_SHIFT) != 0, (modifiers & KMOD_ALT) != 0};
}

}  // namespace vantorix::sdl
