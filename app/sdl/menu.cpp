#include "app/sdl/menu.h"

#include "app/game.h"
#include "app/texts.h"

namespace vantorix::sdl {

namespace {

constexpr int kTitleWidth = 52;
constexpr int kPopupWidth = 96;
constexpr int kPopupBorder = 2;
constexpr int kItemHeight = 22;

constexpr std::array<MenuItem, kMenuItemCount> kItems{{
    {texts::kMenuStart, kCommandStart},
    {texts::kMenuQuit, kCommandQuit},
}};

}  // namespace

const std::array<MenuItem, kMenuItemCount>& menuItems() {
  return kItems;
}

std::string_view menuTitle() {
  return texts::kMenuGame;
}

Rect menuBarRect(int windowWidth) {
  return {0, 0, windowWidth, kMenuBarHeight};
}

Rect menuTitleRect() {
  return {0, 0, kTitleWidth, kMenuBarHeight};
}

Rect menuPopupRect() {
  return {0, kMenuBarHeight, kPopupWidth, kMenuItemCount * kItemHeight + 2 * kPopupBorder};
}

Rect menuItemRect(int item) {
  return {kPopupBorder, kMenuBarHeight + kPopupBorder + item * kItemHeight,
          kPopupWidth - 2 * kPopupBorder, kItemHeight};
}

int menuItemAt(int x, int y) {
  for (int item = 0; item < kMenuItemCount; ++item) {
    if (menuItemRect(item).contains(x, y)) return item;
  }
  return -1;
}

MenuReply Menu::moveTo(Mode mode, int highlighted) {
  const bool changed = mode != mode_ || highlighted != highlighted_;
  mode_ = mode;
  highlighted_ = highlighted;
  return {true, changed, 0};
}

MenuReply Menu::choose() {
  const int command = kItems[static_cast<std::size_t>(highlighted_)].command;
  MenuReply reply = moveTo(Mode::kClosed, -1);
  reply.command = command;
  return reply;
}

MenuReply Menu::close() {
  altAlone_ = false;
  MenuReply reply = moveTo(Mode::kClosed, -1);
  reply.consumed = false;
  return reply;
}

MenuReply Menu::keyDown(MenuKey key) {
  altAlone_ = key == MenuKey::kAlt;
  switch (mode_) {
    case Mode::kClosed:
      if (key == MenuKey::kF10) return moveTo(Mode::kBarSelected, -1);
      return {key == MenuKey::kAlt, false, 0};
    case Mode::kBarSelected:
      switch (key) {
        case MenuKey::kF10:
        case MenuKey::kEscape:
          return moveTo(Mode::kClosed, -1);
        case MenuKey::kDown:
        case MenuKey::kReturn:
          return moveTo(Mode::kOpen, 0);
        case MenuKey::kUp:
          return moveTo(Mode::kOpen, kMenuItemCount - 1);
        default:
          return {true, false, 0};
      }
    case Mode::kOpen:
      switch (key) {
        case MenuKey::kF10:
          return moveTo(Mode::kClosed, -1);
        case MenuKey::kEscape:
          return moveTo(Mode::kBarSelected, -1);
        case MenuKey::kDown:
          return moveTo(Mode::kOpen, (highlighted_ + 1) % kMenuItemCount);
        case MenuKey::kUp:
          return moveTo(Mode::kOpen, highlighted_ <= 0 ? kMenuItemCount - 1 : highlighted_ - 1);
        case MenuKey::kReturn:
          if (highlighted_ >= 0) return choose();
          return {true, false, 0};
        default:
          // Left and right lead to the next popup of the bar: there is only
          // this one.
          return {true, false, 0};
      }
  }
  return {};
}

MenuReply Menu::keyUp(MenuKey key) {
  if (key != MenuKey::kAlt) return {};
  const bool alone = altAlone_;
  altAlone_ = false;
  if (!alone) return {true, false, 0};
  return moveTo(active() ? Mode::kClosed : Mode::kBarSelected, -1);
}

MenuReply Menu::mouseDown(int x, int y) {
  altAlone_ = false;
  if (menuTitleRect().contains(x, y)) {
    return mode_ == Mode::kOpen ? moveTo(Mode::kClosed, -1) : moveTo(Mode::kOpen, -1);
  }
  if (mode_ == Mode::kOpen && menuPopupRect().contains(x, y)) {
    return moveTo(Mode::kOpen, menuItemAt(x, y));
  }
  if (active()) return moveTo(Mode::kClosed, -1);
  return {};
}

MenuReply Menu::mouseUp(int x, int y) {
  if (mode_ != Mode::kOpen) return {};
  const int item = menuItemAt(x, y);
  if (item < 0) return {true, false, 0};
  highlighted_ = item;
  return choose();
}

MenuReply Menu::mouseMove(int x, int y) {
  if (mode_ != Mode::kOpen) return {};
  if (menuTitleRect().contains(x, y)) return {true, false, 0};
  return moveTo(Mode::kOpen, menuItemAt(x, y));
}

}  // namespace vantorix::sdl
