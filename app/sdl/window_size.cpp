#include "app/sdl/window_size.h"

#include <SDL_syswm.h>

#ifdef VANTORIX_X11
#include <X11/Xlib.h>
#endif

namespace vantorix::sdl {

PixelSize windowPixelSize(SDL_Window* window) {
  PixelSize size;
  SDL_GetWindowSizeInPixels(window, &size.width, &size.height);
#ifdef VANTORIX_X11
  // Asked of the X server itself: one round trip, made only when the window
  // may have changed.
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes) != 0) {
      size = {attributes.width, attributes.height};
    }
  }
#endif
  return size;
}

}  // namespace vantorix::sdl
