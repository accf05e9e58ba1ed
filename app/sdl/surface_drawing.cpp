#include "app/sdl/surface_drawing.h"

#include "render/lettering.h"
#include "render/utf8.h"

namespace vantorix::sdl {

namespace {

Uint32 mapped(SDL_Surface* surface, Colour colour) {
  return SDL_MapRGB(surface->format, colour.red, colour.green, colour.blue);
}

void dot(SDL_Surface* surface, int x, int y, Uint32 ink) {
  const SDL_Rect area{x, y, 1, 1};
  SDL_FillRect(surface, &area, ink);
}

}  // namespace

void fill(SDL_Surface* surface, const Rect& rect, Colour colour) {
  const SDL_Rect area{rect.x, rect.y, rect.width, rect.height};
  SDL_FillRect(surface, &area, mapped(surface, colour));
}

void frame(SDL_Surface* surface, const Rect& rect, Colour colour, int thickness) {
  const int t = thickness;
  fill(surface, {rect.x, rect.y, rect.width, t}, colour);
  fill(surface, {rect.x, rect.y + rect.height - t, rect.width, t}, colour);
  fill(surface, {rect.x, rect.y, t, rect.height}, colour);
  fill(surface, {rect.x + rect.width - t, rect.y, t, rect.height}, colour);
}

void dottedFrame(SDL_Surface* surface, const Rect& rect, Colour colour) {
  const Uint32 ink = mapped(surface, colour);
  const int right = rect.x + rect.width - 1;
  const int bottom = rect.y + rect.height - 1;
  for (int x = rect.x; x <= right; x += 2) {
    dot(surface, x, rect.y, ink);
    dot(surface, x, bottom, ink);
  }
  for (int y = rect.y; y <= bottom; y += 2) {
    dot(surface, rect.x, y, ink);
    dot(surface, right, y, ink);
  }
}

void drawText(SDL_Surface* surface, std::string_view text, int x, int y, Colour colour) {
  const Uint32 ink = mapped(surface, colour);
  const Lettering& font = lettering();
  for (std::size_t at = 0; at < text.size();) {
    const LetterGlyph* glyph = findGlyph(nextUtf8(text, at).codePoint);
    for (int row = 0; glyph != nullptr && row < font.height; ++row) {
      for (int column = 0; column < glyph->width; ++column) {
        if (glyph->inked(column, row)) dot(surface, x + column, y + row, ink);
      }
    }
    x += glyphWidth(glyph) + font.spacing;
  }
}

void drawCentred(SDL_Surface* surface, std::string_view text, const Rect& rect, Colour colour) {
  drawText(surface, text, rect.x + (rect.width - textWidth(text)) / 2,
           rect.y + (rect.height - lettering().height) / 2, colour);
}

}  // namespace vantorix::sdl
