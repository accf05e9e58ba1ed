// Where the SDL program draws the menu: the bar across the top of the window,
// above the field, and the popup below its title. Positions are window
// pixels: the menu is never scaled.
#pragma once

#include "app/sdl/rect.h"
#include "app/shell/menu.h"

namespace vantorix::sdl {

inline constexpr int kMenuBarHeight = 20;

Rect menuBarRect(int windowWidth);
Rect menuTitleRect();
Rect menuPopupRect();
Rect menuItemRect(int item);

// What a window point is on; the popup's parts count only while it is open.
shell::MenuTarget menuTargetAt(int x, int y, bool popupOpen);

}  // namespace vantorix::sdl
