// The SDL program around the game: it owns the Game, gives it its platform
// services, and turns SDL's events into the five entry points: menu commands,
// ticks at 64 a second, key-downs, paints, and the window's end. A message box
// is a nested run of the same loop, as a Windows modal box runs its own
// message loop: ticks and paints go on, keys and clicks go to the box alone.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/game.h"
#include "app/platform.h"
#include "app/recorded_game.h"
#include "app/sdl/pacing_report.h"
#include "app/sdl/presenter.h"
#include "app/sdl/replay.h"
#include "app/sdl/sprite_surfaces.h"
#include "app/shell/menu.h"
#include "app/shell/message_box.h"
#include "app/shell/pacer.h"
#include "script/player.h"

namespace vantorix::sdl {

class Shell final : public Platform, private ScriptDriver {
 public:
  // `field` is the client area's picture, in the presenter's format. A
  // positive `reportSeconds` measures that much ticking. With a `recording`
  // the session is written to it as it goes; with a `replay` the session is
  // that recording played back, and the player's keys and clicks are inert.
  Shell(SDL_Window* window, Presenter& presenter, const SpriteSurfaces& sprites, SDL_Surface* field,
        int reportSeconds, RecordingSink* recording, Replay* replay);
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
  // A box over a box: the start box of a running game, and a box of the
  // game's end that one of its ticks opened.
  static constexpr int kMaxOpenBoxes = 2;

  // One turn of the loop: wait for an event or the next tick, then handle
  // what came, the tick that is due and the paint that is owed.
  void turn();
  // True when the loop running now must return: the program ends, or the
  // box it waits for has its answer.
  bool interrupted() const;
  shell::MessageBox* topBox();
  // How long the loop may wait for an event: -1 for as long as it takes.
  int millisecondsToWait() const;
  bool waitForEvent(SDL_Event& event, int wait);
  // The replay's part of a turn: the next step of the recording, or the
  // answer of the box it opened once that has shown for a while.
  void playRecording();
  // ScriptDriver: the recording's messages, delivered as the player's would be.
  void command(int id) override { game_.command(id); }
  void timer() override { tick(); }
  void keyDown(int virtualKey) override { game_.keyDown(virtualKey); }
  void close() override { closeWindow(); }
  bool timerRunning() const override { return gameTimerOn_; }
  bool ended() const override { return quit_; }
  GameState& state() override { return game_.state(); }
  void handle(const SDL_Event& event);
  void keyDown(const SDL_KeyboardEvent& key);
  void keyUp(const SDL_KeyboardEvent& key);
  void mouse(const SDL_Event& event);
  void boxMouse(shell::MessageBox& box, const SDL_Event& event);
  void windowEvent(const SDL_WindowEvent& event);
  void follow(const shell::MenuReply& reply);
  void closeWindow();
  void toggleFullscreen();
  void tick();
  void paint();
  Uint64 now() const { return SDL_GetPerformanceCounter(); }
  // The game clock's time: now() in microseconds.
  std::uint64_t clockNow() const {
    return shell::microsecondsOf(now(), SDL_GetPerformanceFrequency());
  }

  SDL_Window* window_;
  Presenter& presenter_;
  const SpriteSurfaces& sprites_;
  SDL_Surface* field_;
  RecordedGame game_;
  shell::Menu menu_;
  shell::Pacer pacer_;
  PacingReport report_;  // in the game clock's microseconds
  std::array<std::optional<shell::MessageBox>, kMaxOpenBoxes> boxes_;
  int openBoxes_ = 0;
  Replay* replay_;
  // A replayed box's recorded answer, and when it is given.
  std::array<ScriptPlayer::BoxReply, kMaxOpenBoxes> replayAnswers_{};
  std::array<Uint64, kMaxOpenBoxes> replayAnswerDue_{};
  bool replayTickNext_ = false;  // the recording's next step is a timer message
  bool gameTimerOn_ = false;
  bool dirty_ = true;
  bool quit_ = false;
  bool failed_ = false;
  bool destroyed_ = false;
  int exitCode_ = 0;
};

}  // namespace vantorix::sdl
