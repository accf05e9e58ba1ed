#include "app/sdl/menu_painter.h"

#include "app/sdl/surface_drawing.h"
#include "render/lettering.h"

namespace vantorix::sdl {

namespace {

constexpr Colour kBar{240, 240, 240};
constexpr Colour kText{0, 0, 0};
constexpr Colour kTitleSelected{204, 232, 255};
constexpr Colour kTitleFrame{153, 209, 255};
constexpr Colour kPopup{242, 242, 242};
constexpr Colour kPopupFrame{160, 160, 160};
constexpr Colour kItemSelected{145, 201, 247};

constexpr int kItemTextIndent = 26;

}  // namespace

void paintMenu(SDL_Surface* surface, const Menu& menu, int windowWidth) {
  fill(surface, menuBarRect(windowWidth), kBar);
  const Rect title = menuTitleRect();
  if (menu.active()) {
    fill(surface, title, kTitleSelected);
    frame(surface, title, kTitleFrame);
  }
  drawCentred(surface, menuTitle(), title, kText);
  if (menu.mode() != Menu::Mode::kOpen) return;

  const Rect popup = menuPopupRect();
  fill(surface, popup, kPopup);
  frame(surface, popup, kPopupFrame);
  for (int item = 0; item < kMenuItemCount; ++item) {
    const Rect rect = menuItemRect(item);
    if (item == menu.highlighted()) fill(surface, rect, kItemSelected);
    drawText(surface, menuItems()[static_cast<std::size_t>(item)].text, rect.x + kItemTextIndent,
             rect.y + (rect.height - lettering().height) / 2, kText);
  }
}

}  // namespace vantorix::sdl
