#include "app/sdl/window_screen.h"

#include <array>
#include <span>

#include "app/sdl/box_painter.h"
#include "app/sdl/surface_canvas.h"

namespace vantorix::sdl {

void WindowScreen::present(const shell::Session& session) {
  // The erase of the game window: its background is black.
  SDL_FillRect(field_, nullptr, SDL_MapRGB(field_->format, 0, 0, 0));
  SurfaceCanvas canvas(field_, sprites_);
  session.paint(canvas);
  std::array<Rect, shell::Session::kMaxOpenBoxes> boxes{};
  const int open = session.openBoxes();
  for (int depth = 0; depth < open; ++depth)
    boxes[static_cast<std::size_t>(depth)] = paintBox(boxLayer_, session.box(depth));
  presenter_.present(field_, boxLayer_, std::span(boxes).first(static_cast<std::size_t>(open)),
                     session.menu(), session.recordingFailed());
}

void WindowScreen::toggleFullscreen() {
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

}  // namespace vantorix::sdl
