// A rectangle of pixels, as the SDL program's menu and boxes lay themselves out.
#pragma once

namespace vantorix::sdl {

struct Rect {
  int x;
  int y;
  int width;
  int height;
  bool contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
  }
};

}  // namespace vantorix::sdl
