// The Windows program around the game: it owns the Game and the sprite
// bitmaps, gives the game its platform services on the game window, and
// takes the five messages the window procedure hands over. With a recording
// the session is written to it as it goes; with a replay the window plays a
// recording back, and the player's keys and menu are inert meanwhile.
#pragma once

#include <string_view>

#include "app/platform.h"
#include "app/recorded_game.h"
#include "app/win32/replay.h"
#include "app/win32/sprite_bitmaps.h"
#include "app/win32/windows_api.h"

namespace vantorix::win32 {

class Shell final : public Platform {
 public:
  explicit Shell(RecordingSink* recording = nullptr, WindowReplay* replay = nullptr)
      : replay_(replay), game_(*this, recording) {}
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // The game window, known from its first message on.
  void attach(HWND window);
  void loadSprites(HINSTANCE instance) { sprites_.load(instance); }

  void command(int id) {
    if (replay_ == nullptr) game_.command(id);
  }
  void timer();
  void keyDown(int virtualKey) {
    if (replay_ == nullptr) game_.keyDown(virtualKey);
  }
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
  WindowReplay* replay_;
  RecordedGame game_;
};

}  // namespace vantorix::win32
