// The SDL program around the game: it owns the Game, gives it its platform
// services, and turns SDL's events into the five entry points: menu commands,
// ticks at 64 a second, key-downs, paints, and the window's end.
#pragma once

#include <SDL.h>

#include <string_view>

#include "app/game.h"
#include "app/platform.h"
#include "app/sdl/menu.h"
#include "app/sdl/pacer.h"
#include "app/sdl/pacing_report.h"
#include "app/sdl/presenter.h"
#include "app/sdl/sprite_surfaces.h"

namespace vantorix::sdl {

class Shell final : public Platform {
 public:
  // `picture` is the menu bar and field at scale 1, in the presenter's
  // format. A positive `reportSeconds` measures that much ticking.
  Shell(SDL_Window* window, Presenter& presenter, const SpriteSurfaces& sprites,
        SDL_Surface* picture, int reportSeconds);
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // The message loop; returns the exit code, or -1 when SDL failed.
  int run();

  // Platform
  void startGameTimer() override;
  void stopGameTimer() override;
  int showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) override;
  void invalidate() override { dirty_ = true; }
  void postQuit(int exitCode) override;

 private:
  bool waitForEvent(SDL_Event& event);
  void handle(const SDL_Event& event);
  void keyDown(const SDL_KeyboardEvent& key);
  void keyUp(const SDL_KeyboardEvent& key);
  void mouse(const SDL_Event& event);
  void windowEvent(const SDL_WindowEvent& event);
  void follow(const MenuReply& reply);
  void closeWindow();
  void toggleFullscreen();
  void tick();
  void paint();
  Uint64 now() const { return SDL_GetPerformanceCounter(); }

  SDL_Window* window_;
  Presenter& presenter_;
  const SpriteSurfaces& sprites_;
  SDL_Surface* picture_;
  Game game_{*this};
  Menu menu_;
  Pacer pacer_;
  PacingReport report_;
  bool dirty_ = true;
  bool quit_ = false;
  bool destroyed_ = false;
  int exitCode_ = 0;
};

}  // namespace vantorix::sdl
