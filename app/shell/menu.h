// The game window's menu as a state machine: the bar with "ゲーム", and its
// popup with "開始" and "終了". It is worked the way a Windows menu is: F10 or
// a lone Alt selects the bar, the arrows and Return open it and pick an item,
// Escape backs out, and the pointer opens it on the title and chooses an item
// where it lets go. Keys come as virtual-key codes, the pointer as what it is
// on, so each shell lays the menu out and hit-tests it in its own way.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/shell/key_map.h"

namespace vantorix::shell {

struct MenuItem {
  std::string_view text;
  int command;
};

inline constexpr int kMenuItemCount = 2;
const std::array<MenuItem, kMenuItemCount>& menuItems();
std::string_view menuTitle();

// What the pointer is on.
struct MenuTarget {
  enum class Part : std::uint8_t {
    kElsewhere,  // the rest of the bar, the field, outside the window
    kTitle,
    kPopup,  // the open popup's frame, beside its items
    kItem,
  };
  Part part = Part::kElsewhere;
  int item = -1;  // with kItem: 0 to kMenuItemCount - 1

  static constexpr MenuTarget elsewhere() { return {}; }
  static constexpr MenuTarget title() { return {Part::kTitle, -1}; }
  static constexpr MenuTarget popup() { return {Part::kPopup, -1}; }
  static constexpr MenuTarget itemAt(int index) { return {Part::kItem, index}; }
};

// What one input did to the menu.
struct MenuReply {
  bool consumed = false;  // the input was the menu's: it reaches nothing else
  bool changed = false;   // the menu looks different now
  int command = 0;        // a chosen item's command, or 0
};

class Menu {
 public:
  enum class Mode : std::uint8_t { kClosed, kBarSelected, kOpen };

  Mode mode() const { return mode_; }
  bool active() const { return mode_ != Mode::kClosed; }
  int highlighted() const { return highlighted_; }  // -1 for none

  MenuReply keyDown(const KeyInput& key);
  MenuReply keyUp(const KeyInput& key);
  MenuReply pointerDown(MenuTarget target);
  MenuReply pointerUp(MenuTarget target);
  MenuReply pointerMove(MenuTarget target);
  // The window lost the keyboard, or something else takes over.
  MenuReply close();
  // Opens the popup with its first item highlighted, as F10 then Down does.
  MenuReply openAtFirstItem();

 private:
  MenuReply moveTo(Mode mode, int highlighted);
  MenuReply choose(int item);
  // The item under the pointer while the popup is open, or -1.
  int itemUnder(MenuTarget target) const;

  Mode mode_ = Mode::kClosed;
  int highlighted_ = -1;
  bool altAlone_ = false;  // Alt is down and no other key came since
};

}  // namespace vantorix::shell
