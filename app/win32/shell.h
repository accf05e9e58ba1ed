// The Windows program around the game: it owns the Game and the sprite
// bitmaps, gives the game its platform services on the game window, and
// takes the five messages the window procedure hands over.
#pragma once

#include <string_view>

#include "app/game.h"
#include "app/platform.h"
#include "app/win32/sprite_bitmaps.h"
#include "app/win32/windows_api.h"

namespace vantorix::win32 {

class Shell final : public Platform {
 public:
  Shell() = default;
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // The game window, known from its first message on.
  void attach(HWND window) { window_ = window; }
  void loadSprites(HINSTANCE instance) { sprites_.load(instance); }

  void command(int id) { game_.command(id); }
  void timer() { game_.timer(); }
  void keyDown(int virtualKey) { game_.keyDown(virtualKey); }
  void paint();
  void destroy();

  // Platform
  void startGameTimer() override;
  void stopGameTimer() override;
  int showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) override;
  void invalidate() override;
  void postQuit(int exitCode) override;

 private:
  HWND window_ = nullptr;
  SpriteBitmaps sprites_;
  Game game_{*this};
};

}  // namespace vantorix::win32
