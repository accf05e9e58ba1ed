#include "app/win32/gdi_canvas.h"

namespace vantorix::win32 {

void GdiCanvas::select(Sprite sprite) {
  SelectObject(memory_, sprites_[sprite]);
}

void GdiCanvas::copy(int x, int y, int width, int height) {
  // GDI clips the copy to the selected bitmap and to the window, so asking
  // for more than the bitmap leaves the rest of the window untouched.
  BitBlt(window_, x, y, width, height, memory_, 0, 0, SRCCOPY);
}

}  // namespace vantorix::win32
