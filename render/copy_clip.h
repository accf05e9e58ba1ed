// The part of one sprite copy that lands: the request is cut to the sprite's
// own pixels and to the field, exactly as BitBlt on the game window does.
#pragma once

#include <optional>

namespace vantorix::sdl {

struct ClippedCopy {
  int sourceX;
  int sourceY;
  int targetX;  // in field pixels
  int targetY;
  int width;
  int height;
};

// Copies the image's top-left width x height pixels to (x, y) of a field of
// fieldWidth x fieldHeight; nothing when no pixel lands. Any int inputs.
std::optional<ClippedCopy> clipCopy(int x, int y, int width, int height, int imageWidth,
                                    int imageHeight, int fieldWidth, int fieldHeight);

}  // namespace vantorix::sdl
