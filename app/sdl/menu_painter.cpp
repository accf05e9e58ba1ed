#include "app/sdl/menu_painter.h"

#include "app/sdl/look.h"
#include "app/sdl/menu_layout.h"
#include "app/sdl/surface_drawing.h"
#include "app/texts.h"
#include "render/lettering.h"

namespace vantorix::sdl {

namespace {

constexpr int kItemTextIndent = 26;
constexpr int kNoticeMargin = 8;

}  // namespace

void paintMenu(SDL_Surface* surface, const shell::Menu& menu, int windowWidth,
               bool recordingFailed) {
  const Rect bar = menuBarRect(windowWidth);
  fill(surface, bar, look::kFace);
  if (recordingFailed) {
    // At the bar's right end, where it never covers the menu or the field.
    const int width = textWidth(texts::kRecordingFailed);
    drawText(surface, texts::kRecordingFailed, bar.width - width - kNoticeMargin,
             (bar.height - lettering().height) / 2, look::kWarning);
  }
  const Rect title = menuTitleRect();
  if (menu.active()) {
    fill(surface, title, look::kTitleSelected);
    frame(surface, title, look::kTitleFrame);
  }
  drawCentred(surface, shell::menuTitle(), title, look::kInk);
  if (menu.mode() != shell::Menu::Mode::kOpen) return;

  const Rect popup = menuPopupRect();
  fill(surface, popup, look::kPopup);
  frame(surface, popup, look::kGrey);
  for (int item = 0; item < shell::kMenuItemCount; ++item) {
    const Rect rect = menuItemRect(item);
    if (item == menu.highlighted()) fill(surface, rect, look::kItemSelected);
    drawText(surface, shell::menuItems()[static_cast<std::size_t>(item)].text,
             rect.x + kItemTextIndent, rect.y + (rect.height - lettering().height) / 2, look::kInk);
  }
}

}  // namespace vantorix::sdl
