// The few strokes the SDL program's menu and boxes are drawn with: filled
// and framed rectangles and lettered text, onto any surface.
#pragma once

#include <SDL.h>

#include <string_view>

#include "app/sdl/rect.h"

namespace vantorix::sdl {

struct Colour {
  Uint8 red;
  Uint8 green;
  Uint8 blue;
};

void fill(SDL_Surface* surface, const Rect& rect, Colour colour);
// A frame `thickness` pixels wide just inside the rectangle.
void frame(SDL_Surface* surface, const Rect& rect, Colour colour, int thickness = 1);
// A frame of every other pixel, as a keyboard focus is marked.
void dottedFrame(SDL_Surface* surface, const Rect& rect, Colour colour);
// UTF-8 text in the program's lettering, its top-left corner at (x, y).
void drawText(SDL_Surface* surface, std::string_view text, int x, int y, Colour colour);
void drawCentred(SDL_Surface* surface, std::string_view text, const Rect& rect, Colour colour);

}  // namespace vantorix::sdl
