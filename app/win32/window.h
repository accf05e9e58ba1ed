// The game window: its class, its creation, and the window procedure that
// hands five messages to the shell and everything else to the system.
#pragma once

#include "app/win32/shell.h"
#include "app/win32/windows_api.h"

namespace vantorix::win32 {

// Registers "MyWindowClass"; false when the system refuses it.
bool registerWindowClass(HINSTANCE instance);

// Creates the game window for `shell`, sized so that its client area holds
// the whole 767 x 480 title picture. The shell is attached to the window from
// the window's first messages on.
HWND createGameWindow(HINSTANCE instance, Shell& shell);

}  // namespace vantorix::win32
