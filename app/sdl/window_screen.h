// The loop's screen in an SDL window: the session's game and its open boxes
// painted into two pictures of the client area, put in the window with the
// menu bar by the presenter, which sends only what changed since the frame
// before.
#pragma once

#include <SDL.h>

#include "app/sdl/loop.h"
#include "app/sdl/presenter.h"
#include "app/sdl/sprite_surfaces.h"
#include "render/changed_area.h"

namespace vantorix::sdl {

class WindowScreen final : public Screen {
 public:
  // `field` and `boxLayer` are pictures of the client area, in the
  // presenter's format.
  WindowScreen(SDL_Window* window, Presenter& presenter, const SpriteSurfaces& sprites,
               SDL_Surface* field, SDL_Surface* boxLayer)
      : window_(window),
        presenter_(presenter),
        sprites_(sprites),
        field_(field),
        boxLayer_(boxLayer) {}

  void present(const shell::Session& session) override;
  // Painted from nothing, as the first frame was.
  void exposed() override {
    presenter_.invalidate();
    tracker_.invalidateAll();
  }
  ViewFit fit() const override { return presenter_.fit(); }
  void toggleFullscreen() override;
  void hide() override { SDL_HideWindow(window_); }

 private:
  SDL_Window* window_;
  Presenter& presenter_;
  const SpriteSurfaces& sprites_;
  SDL_Surface* field_;
  SDL_Surface* boxLayer_;
  ChangeTracker tracker_;
};

}  // namespace vantorix::sdl
