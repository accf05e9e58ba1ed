// A recording played back in the game window. It is played through once
// without a window, by the same player on a headless game, so that whatever
// the simulator would refuse is refused before the window opens; then it is
// read again from its start as the window plays it. The window's timer drives
// the recording's steps at the game's pace, the game's own timer being only
// a flag; each recorded box shows for a second with the recorded answer's
// button focused, then that button is pressed; the first digest that
// differs ends the program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/recorded_game.h"
#include "app/replay_file.h"
#include "app/shell/pacer.h"
#include "app/win32/windows_api.h"
#include "script/player.h"

namespace vantorix::win32 {

class WindowReplay final : private ScriptDriver {
 public:
  WindowReplay();
  WindowReplay(const WindowReplay&) = delete;
  WindowReplay& operator=(const WindowReplay&) = delete;

  // False with one line in `error` for a file that cannot be read twice or
  // that the simulator would stop at.
  bool open(const std::wstring& path, std::string& error);

  // The game window and its game, from the window's first message on.
  void attach(HWND window, RecordedGame& game);
  // Starts the window's timer, once the window shows.
  void begin();
  // One timer message of the window: plays what is due, or answers the box
  // whose second is up.
  void heartbeat();

  // What the game asks of its window, the replay's way.
  void setGameTimer(bool on) { gameTimerOn_ = on; }
  void quitPosted() { ended_ = true; }
  int showBox(std::string_view text, std::string_view caption, BoxButtons buttons);

  // Once the message loop has ended: says in a box why the recording
  // stopped short, if it did, and gives the exit status.
  int finish() const;

 private:
  // ScriptDriver: how the recording reaches the game.
  void command(int id) override { game_->command(id); }
  void timer() override { game_->timer(); }
  void keyDown(int virtualKey) override { game_->keyDown(virtualKey); }
  void close() override { DestroyWindow(window_); }
  bool timerRunning() const override { return gameTimerOn_; }
  bool ended() const override { return ended_; }
  GameState& state() override { return game_->state(); }

  void playDue();
  void answerShownBox();
  // The recording has nothing more to play: the message loop ends.
  void stop();
  std::uint64_t now() const;

  ReplayFile file_;
  shell::Pacer pacer_;
  long long countsPerSecond_ = 0;
  HWND window_ = nullptr;
  RecordedGame* game_ = nullptr;
  bool gameTimerOn_ = false;
  bool ended_ = false;
  bool playing_ = false;  // inside a step, whose box may run a message loop
  bool stopped_ = false;
  // The box on show, its recorded answer, and when that is given.
  struct ShownBox {
    bool open = false;
    bool answered = false;
    ScriptPlayer::BoxReply reply;
    std::uint64_t due = 0;
  };
  ShownBox shown_;
};

}  // namespace vantorix::win32
