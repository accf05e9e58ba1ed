// The game window's menu as the SDL program draws it: the bar above the field
// with "ゲーム", and its popup with "開始" and "終了". It is worked with the
// mouse or the keyboard the way a Windows menu is: F10 or a lone Alt selects
// the bar, the arrows and Return open it and pick an item, Escape backs out.
// Positions are window pixels: the menu is never scaled, and its bar runs
// across the top of the window, above the field.
#pragma once

#include <array>
#include <string_view>

#include "app/sdl/key_map.h"
#include "app/sdl/rect.h"

namespace vantorix::sdl {

inline constexpr int kMenuBarHeight = 20;

struct MenuItem {
  std::string_view text;
  int command;
};

inline constexpr int kMenuItemCount = 2;
const std::array<MenuItem, kMenuItemCount>& menuItems();
std::string_view menuTitle();

Rect menuBarRect(int windowWidth);
Rect menuTitleRect();
Rect menuPopupRect();
Rect menuItemRect(int item);
// The item under a picture point, or -1.
int menuItemAt(int x, int y);

// What one input did to the menu.
struct MenuReply {
  bool consumed = false;  // the input was the menu's: it reaches nothing else
  bool changed = false;   // the menu looks different now
  int command = 0;        // a chosen item's command, or 0
};

class Menu {
 public:
  enum class Mode { kClosed, kBarSelected, kOpen };

  Mode mode() const { return mode_; }
  bool active() const { return mode_ != Mode::kClosed; }
  int highlighted() const { return highlighted_; }  // -1 for none

  MenuReply keyDown(MenuKey key);
  MenuReply keyUp(MenuKey key);
  MenuReply mouseDown(int x, int y);
  MenuReply mouseUp(int x, int y);
  MenuReply mouseMove(int x, int y);
  // The window lost the keyboard, or something else takes over.
  MenuReply close();

 private:
  MenuReply moveTo(Mode mode, int highlighted);
  MenuReply choose();

  Mode mode_ = Mode::kClosed;
  int highlighted_ = -1;
  bool altAlone_ = false;  // Alt is down and no other key came since
};

}  // namespace vantorix::sdl
