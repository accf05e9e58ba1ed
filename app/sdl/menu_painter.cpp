#include "app/sdl/menu_painter.h"

#include "app/sdl/menu_glyphs.h"

namespace vantorix::sdl {

namespace {

struct Colour {
  Uint8 red;
  Uint8 green;
  Uint8 blue;
};

constexpr Colour kBar{240, 240, 240};
constexpr Colour kText{0, 0, 0};
constexpr Colour kTitleSelected{204, 232, 255};
constexpr Colour kTitleFrame{153, 209, 255};
constexpr Colour kPopup{242, 242, 242};
constexpr Colour kPopupFrame{160, 160, 160};
constexpr Colour kItemSelected{145, 201, 247};

constexpr int kItemTextIndent = 26;

void fill(SDL_Surface* picture, const Rect& rect, Colour colour) {
  const SDL_Rect area{rect.x, rect.y, rect.width, rect.height};
  SDL_FillRect(picture, &area, SDL_MapRGB(picture->format, colour.red, colour.green, colour.blue));
}

void frame(SDL_Surface* picture, const Rect& rect, Colour colour) {
  fill(picture, {rect.x, rect.y, rect.width, 1}, colour);
  fill(picture, {rect.x, rect.y + rect.height - 1, rect.width, 1}, colour);
  fill(picture, {rect.x, rect.y, 1, rect.height}, colour);
  fill(picture, {rect.x + rect.width - 1, rect.y, 1, rect.height}, colour);
}

void drawText(SDL_Surface* picture, std::string_view text, int x, int y, Colour colour) {
  const Uint32 ink = SDL_MapRGB(picture->format, colour.red, colour.green, colour.blue);
  for (std::size_t at = 0; at < text.size(); x += kGlyphAdvance) {
    const Glyph* glyph = findGlyph(nextCodePoint(text, at));
    if (glyph == nullptr) continue;
    for (int row = 0; row < kGlyphSize; ++row) {
      const std::string_view line = glyph->rows[static_cast<std::size_t>(row)];
      for (int column = 0; column < kGlyphSize; ++column) {
        if (line[static_cast<std::size_t>(column)] != '#') continue;
        const SDL_Rect dot{x + column, y + row, 1, 1};
        SDL_FillRect(picture, &dot, ink);
      }
    }
  }
}

void drawCentred(SDL_Surface* picture, std::string_view text, const Rect& rect, Colour colour) {
  drawText(picture, text, rect.x + (rect.width - textWidth(text)) / 2,
           rect.y + (rect.height - kGlyphSize) / 2, colour);
}

}  // namespace

void paintMenu(SDL_Surface* picture, const Menu& menu) {
  fill(picture, menuBarRect(), kBar);
  const Rect title = menuTitleRect();
  if (menu.active()) {
    fill(picture, title, kTitleSelected);
    frame(picture, title, kTitleFrame);
  }
  drawCentred(picture, menuTitle(), title, kText);
  if (menu.mode() != Menu::Mode::kOpen) return;

  const Rect popup = menuPopupRect();
  fill(picture, popup, kPopup);
  frame(picture, popup, kPopupFrame);
  for (int item = 0; item < kMenuItemCount; ++item) {
    const Rect rect = menuItemRect(item);
    if (item == menu.highlighted()) fill(picture, rect, kItemSelected);
    drawText(picture, menuItems()[static_cast<std::size_t>(item)].text, rect.x + kItemTextIndent,
             rect.y + (rect.height - kGlyphSize) / 2, kText);
  }
}

}  // namespace vantorix::sdl
