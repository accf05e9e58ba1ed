#include "app/sdl/x11_error_filter.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace vantorix::sdl {

namespace {

// Xlib keeps one handler for the whole process; this is the one it had.
int (*previousHandler)(Display*, XErrorEvent*) = nullptr;

int passLostWakeUps(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previousHandler != nullptr ? previousHandler(display, error) : 0;
}

}  // namespace

void filterLostWakeUpErrors() {
  previousHandler = XSetErrorHandler(passLostWakeUps);
}

}  // namespace vantorix::sdl
