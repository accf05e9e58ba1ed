// The part of one sprite copy that lands: the request is cut to the sprite's
// own pixels and to the surface, exactly as BitBlt on the game window does.
// Every canvas that copies the pixels itself cuts its copies this way.
#pragma once

#include <optional>

namespace vantorix {

struct ClippedCopy {
  int sourceX;
  int sourceY;
  int targetX;  // in surface pixels
  int targetY;
  int width;
  int height;
};

// Copies the image's top-left width x height pixels to (x, y) of a surface
// of surfaceWidth x surfaceHeight; nothing when no pixel lands. Any int inputs.
std::optional<ClippedCopy> clipCopy(int x, int y, int width, int height, int imageWidth,
                                    int imageHeight, int surfaceWidth, int surfaceHeight);

}  // namespace vantorix
