#include "app/sdl/menu_layout.h"

namespace vantorix::sdl {

namespace {

constexpr int kTitleWidth = 52;
constexpr int kPopupWidth = 96;
constexpr int kPopupBorder = 2;
constexpr int kItemHeight = 22;

}  // namespace

Rect menuBarRect(int windowWidth) {
  return {0, 0, windowWidth, kMenuBarHeight};
}

Rect menuTitleRect() {
  return {0, 0, kTitleWidth, kMenuBarHeight};
}

Rect menuPopupRect() {
  return {0, kMenuBarHeight, kPopupWidth, shell::kMenuItemCount * kItemHeight + 2 * kPopupBorder};
}

Rect menuItemRect(int item) {
  return {kPopupBorder, kMenuBarHeight + kPopupBorder + item * kItemHeight,
          kPopupWidth - 2 * kPopupBorder, kItemHeight};
}

shell::MenuTarget menuTargetAt(int x, int y, bool popupOpen) {
  if (menuTitleRect().contains(x, y)) return shell::MenuTarget::title();
  if (!popupOpen || !menuPopupRect().contains(x, y)) return shell::MenuTarget::elsewhere();
  for (int item = 0; item < shell::kMenuItemCount; ++item) {
    if (menuItemRect(item).contains(x, y)) return shell::MenuTarget::itemAt(item);
  }
  return shell::MenuTarget::popup();
}

}  // namespace vantorix::sdl
