// The paint message's canvas: each selection puts one sprite bitmap into a
// memory context, each copy blits it straight onto the window. There is no
// back buffer; the window was erased to black before the paint.
#pragma once

#include "app/win32/sprite_bitmaps.h"
#include "app/win32/windows_api.h"
#include "render/canvas.h"

namespace vantorix::win32 {

class GdiCanvas final : public Canvas {
 public:
  GdiCanvas(HDC window, HDC memory, const SpriteBitmaps& sprites)
      : window_(window), memory_(memory), sprites_(sprites) {}

  void select(Sprite sprite) override;
  void copy(int x, int y, int width, int height) override;

 private:
  HDC window_;
  HDC memory_;
  const SpriteBitmaps& sprites_;
};

}  // namespace vantorix::win32
