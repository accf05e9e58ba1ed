#include "app/sdl/window_screen.h"

#include <array>
#include <span>

#include "app/sdl/box_painter.h"
#include "app/sdl/surface_canvas.h"

namespace vantorix::sdl {

void WindowScreen::present(const shell::Session& session) {
  // The erase of the game window: its background is black. Only where the
  // frame before put something is there anything to erase.
  const Uint32 black = SDL_MapRGB(field_->format, 0, 0, 0);
  for (const Area& area : tracker_.inked().areas()) {
    const SDL_Rect rect{area.left, area.top, area.width(), area.height()};
    SDL_FillRect(field_, &rect, black);
  }
  SurfaceCanvas canvas(field_, sprites_);
  ChangeTracker::Tracking tracking = tracker_.beginPaint(canvas);
  session.paint(tracking);
  std::array<Rect, shell::Session::kMaxOpenBoxes> boxes{};
  const int open = session.openBoxes();
  for (int depth = 0; depth < open; ++depth) {
    const Rect box = paintBox(boxLayer_, session.box(depth));
    boxes[static_cast<std::size_t>(depth)] = box;
    tracker_.drew({box.x, box.y, box.x + box.width, box.y + box.height});
  }
  presenter_.present({field_, boxLayer_, std::span(boxes).first(static_cast<std::size_t>(open)),
                      session.menu(), session.recordingFailed()},
                     tracker_.changed());
  tracker_.shown();
}

void WindowScreen::toggleFullscreen() {
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  // Where no window manager grants it the window keeps its size, and SDL
  // may say otherwise: the next frame asks.
  presenter_.invalidate();
}

}  // namespace vantorix::sdl
