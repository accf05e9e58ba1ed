// Every key by its place on a US keyboard, with the Windows virtual-key code
// the Windows program's window gets for it: the code every shell hands the
// game, and the one the shell's own rules (menu, boxes) look at. A key is
// named by its USB HID keyboard usage (usage page 0x07, which SDL's scancodes
// are) and by its DOM KeyboardEvent.code, so that the SDL program and the web
// page give the same key the same code. A key Windows has no code for gives
// 0, and every shell drops it: it reaches no game.
#pragma once

#include <string_view>

#include "game/keyboard.h"

namespace vantorix::shell {

// The virtual-key codes the shell itself acts on; the game's own (space and
// the arrows) are in game/keyboard.h.
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;  // Enter and the keypad's Enter alike
inline constexpr int kVkShift = 0x10;   // either Shift, as WM_KEYDOWN gives it
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkAlt = 0x12;  // VK_MENU, either Alt
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkN = 'N';
inline constexpr int kVkY = 'Y';
inline constexpr int kVkF4 = 0x73;
inline constexpr int kVkF10 = 0x79;
inline constexpr int kVkF11 = 0x7A;

struct KeyPlace {
  int usage;  // USB HID keyboard usage id
  std::string_view domCode;
  int virtualKey;
};

// Letters, digits and signs take the code of the US keyboard's key at their
// place, whatever the layout prints on it; the Japanese keys take the codes
// a Japanese keyboard gives on Windows.
inline constexpr KeyPlace kKeyPlaces[] = {
    // Letters and digits: their own characters.
    {0x04, "KeyA", 'A'},
    {0x05, "KeyB", 'B'},
    {0x06, "KeyC", 'C'},
    {0x07, "KeyD", 'D'},
    {0x08, "KeyE", 'E'},
    {0x09, "KeyF", 'F'},
    {0x0A, "KeyG", 'G'},
    {0x0B, "KeyH", 'H'},
    {0x0C, "KeyI", 'I'},
    {0x0D, "KeyJ", 'J'},
    {0x0E, "KeyK", 'K'},
    {0x0F, "KeyL", 'L'},
    {0x10, "KeyM", 'M'},
    {0x11, "KeyN", 'N'},
    {0x12, "KeyO", 'O'},
    {0x13, "KeyP", 'P'},
    {0x14, "KeyQ", 'Q'},
    {0x15, "KeyR", 'R'},
    {0x16, "KeyS", 'S'},
    {0x17, "KeyT", 'T'},
    {0x18, "KeyU", 'U'},
    {0x19, "KeyV", 'V'},
    {0x1A, "KeyW", 'W'},
    {0x1B, "KeyX", 'X'},
    {0x1C, "KeyY", 'Y'},
    {0x1D, "KeyZ", 'Z'},
    {0x1E, "Digit1", '1'},
    {0x1F, "Digit2", '2'},
    {0x20, "Digit3", '3'},
    {0x21, "Digit4", '4'},
    {0x22, "Digit5", '5'},
    {0x23, "Digit6", '6'},
    {0x24, "Digit7", '7'},
    {0x25, "Digit8", '8'},
    {0x26, "Digit9", '9'},
    {0x27, "Digit0", '0'},
    // The main block's other keys.
    {0x28, "Enter", kVkReturn},
    {0x29, "Escape", kVkEscape},
    {0x2A, "Backspace", 0x08},
    {0x2B, "Tab", kVkTab},
    {0x2C, "Space", kVkSpace},
    {0x2D, "Minus", 0xBD},
    {0x2E, "Equal", 0xBB},
    {0x2F, "BracketLeft", 0xDB},
    {0x30, "BracketRight", 0xDD},
    {0x31, "Backslash", 0xDC},
    {0x33, "Semicolon", 0xBA},
    {0x34, "Quote", 0xDE},
    {0x35, "Backquote", 0xC0},
    {0x36, "Comma", 0xBC},
    {0x37, "Period", 0xBE},
    {0x38, "Slash", 0xBF},
    {0x39, "CapsLock", 0x14},
    {0x64, "IntlBackslash", 0xE2},
    {0x65, "ContextMenu", 0x5D},
    // The function keys.
    {0x3A, "F1", 0x70},
    {0x3B, "F2", 0x71},
    {0x3C, "F3", 0x72},
    {0x3D, "F4", kVkF4},
    {0x3E, "F5", 0x74},
    {0x3F, "F6", 0x75},
    {0x40, "F7", 0x76},
    {0x41, "F8", 0x77},
    {0x42, "F9", 0x78},
    {0x43, "F10", kVkF10},
    {0x44, "F11", kVkF11},
    {0x45, "F12", 0x7B},
    {0x68, "F13", 0x7C},
    {0x69, "F14", 0x7D},
    {0x6A, "F15", 0x7E},
    {0x6B, "F16", 0x7F},
    {0x6C, "F17", 0x80},
    {0x6D, "F18", 0x81},
    {0x6E, "F19", 0x82},
    {0x6F, "F20", 0x83},
    {0x70, "F21", 0x84},
    {0x71, "F22", 0x85},
    {0x72, "F23", 0x86},
    {0x73, "F24", 0x87},
    // The editing and arrow keys, and the three above them.
    {0x46, "PrintScreen", 0x2C},
    {0x47, "ScrollLock", 0x91},
    {0x48, "Pause", 0x13},
    {0x49, "Insert", 0x2D},
    {0x4A, "Home", 0x24},
    {0x4B, "PageUp", 0x21},
    {0x4C, "Delete", 0x2E},
    {0x4D, "End", 0x23},
    {0x4E, "PageDown", 0x22},
    {0x4F, "ArrowRight", kVkRight},
    {0x50, "ArrowLeft", kVkLeft},
    {0x51, "ArrowDown", kVkDown},
    {0x52, "ArrowUp", kVkUp},
    // The keypad, as with Num Lock on.
    {0x53, "NumLock", 0x90},
    {0x54, "NumpadDivide", 0x6F},
    {0x55, "NumpadMultiply", 0x6A},
    {0x56, "NumpadSubtract", 0x6D},
    {0x57, "NumpadAdd", 0x6B},
    {0x58, "NumpadEnter", kVkReturn},
    {0x59, "Numpad1", 0x61},
    {0x5A, "Numpad2", 0x62},
    {0x5B, "Numpad3", 0x63},
    {0x5C, "Numpad4", 0x64},
    {0x5D, "Numpad5", 0x65},
    {0x5E, "Numpad6", 0x66},
    {0x5F, "Numpad7", 0x67},
    {0x60, "Numpad8", 0x68},
    {0x61, "Numpad9", 0x69},
    {0x62, "Numpad0", 0x60},
    {0x63, "NumpadDecimal", 0x6E},
    // The Japanese keyboard's own keys.
    {0x87, "IntlRo", 0xE2},
    {0x88, "KanaMode", 0x15},
    {0x89, "IntlYen", 0xDC},
    {0x8A, "Convert", 0x1C},
    {0x8B, "NonConvert", 0x1D},
    {0x90, "Lang1", 0x15},
    {0x91, "Lang2", 0x19},
    // The modifiers: WM_KEYDOWN gives either side the same code, Windows'
    // own keys excepted.
    {0xE0, "ControlLeft", kVkControl},
    {0xE1, "ShiftLeft", kVkShift},
    {0xE2, "AltLeft", kVkAlt},
    {0xE3, "MetaLeft", 0x5B},
    {0xE4, "ControlRight", kVkControl},
    {0xE5, "ShiftRight", kVkShift},
    {0xE6, "AltRight", kVkAlt},
    {0xE7, "MetaRight", 0x5C},
};

// The code of the key at a USB usage (an SDL scancode); 0 for a key Windows
// has no code for.
constexpr int virtualKeyOfUsage(int usage) {
  for (const KeyPlace& key : kKeyPlaces) {
    if (key.usage == usage) return key.virtualKey;
  }
  return 0;
}

// The code of the key a KeyboardEvent.code names; 0 for a key Windows has
// no code for.
constexpr int virtualKeyOfDomCode(std::string_view code) {
  for (const KeyPlace& key : kKeyPlaces) {
    if (key.domCode == code) return key.virtualKey;
  }
  return 0;
}

// What a shell knows of a key going down or up, for the menu and the boxes.
struct KeyInput {
  int virtualKey = 0;
  bool repeat = false;  // held down: the keyboard's own repeat
  bool shift = false;   // a Shift key is held
  bool alt = false;     // an Alt key is held (on an Alt key's own down too)
};

}  // namespace vantorix::shell
