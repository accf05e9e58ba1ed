// The client area as plain memory: 767 x 480 pixels, blue, green, red, rows
// top to bottom. The simulator paints into it to write frames, and tests look
// at single pixels. Copies behave as BitBlt with SRCCOPY does on the window.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "render/canvas.h"
#include "render/changed_area.h"
#include "render/client_area.h"
#include "render/sprite_set.h"

namespace vantorix {

struct Bgr {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  bool operator==(const Bgr&) const = default;
};

class PixelCanvas final : public Canvas {
 public:
  PixelCanvas();  // black, nothing selected

  void select(Sprite sprite) override;
  void copy(int x, int y, int width, int height) override;

  // The window's erase before every paint: its class brush is black.
  void clear();
  // The same erase, of one area only (cut to the client area).
  void clear(const Area& area);

  // The pixel at (x, y); black for a place outside the client area.
  Bgr pixel(int x, int y) const;
  // All pixels, kClientWidth * kClientHeight * 3 bytes.
  std::span<const std::uint8_t> bgr() const { return pixels_; }

 private:
  std::vector<std::uint8_t> pixels_;  // sized once, never reallocated
  const SpriteImage* selected_ = nullptr;
};

}  // namespace vantorix
