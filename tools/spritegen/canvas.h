// The pixels of one picture while it is painted. A pixel no step has painted
// is black in a bitmap and transparent in an icon.
#pragma once

#include <vector>

#include "tools/spritegen/colour.h"

namespace vantorix::spritegen {

class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

  int width() const { return width_; }
  int height() const { return height_; }

  // Paints one pixel; pixels outside the picture are ignored.
  void paint(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[index(x, y)] = Pixel{colour, true};
  }

  Rgb colour(int x, int y) const { return pixels_[index(x, y)].colour; }
  bool painted(int x, int y) const { return pixels_[index(x, y)].painted; }

  // Every painted colour to its grey of the same lightness, never to black, so
  // the figure keeps its outline against a black background.
  void turnGrey();

 private:
  struct Pixel {
    Rgb colour = kBlack;
    bool painted = false;
  };

  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

}  // namespace vantorix::spritegen
