#include "app/sdl/window_screen.h"

#include "app/sdl/box_painter.h"
#include "app/sdl/surface_canvas.h"

namespace vantorix::sdl {

void WindowScreen::present(const shell::Session& session) {
  // The erase of the game window: its background is black.
  SDL_FillRect(field_, nullptr, SDL_MapRGB(field_->format, 0, 0, 0));
  SurfaceCanvas canvas(field_, sprites_);
  session.paint(canvas);
  for (int depth = 0; depth < session.openBoxes(); ++depth)
    paintBox(field_, session.box(depth));
  presenter_.present(field_, session.menu(), session.recordingFailed());
}

void WindowScreen::toggleFullscreen() {
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

}  // namespace vantorix::sdl
