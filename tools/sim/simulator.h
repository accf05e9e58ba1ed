// The game without a window, driven by a script of commands: the same five
// entry points as the real program, with the state open to get, set and dump.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

#include "app/game.h"
#include "render/pixel_canvas.h"
#include "tools/sim/script_step.h"
#include "tools/sim/sim_platform.h"

namespace vantorix::sim {

inline constexpr int kScriptErrorExit = 2;

class Simulator {
 public:
  explicit Simulator(std::ostream& out) : out_(out), platform_(out), game_(platform_) {}

  // Runs the script to its end, to a quit, or to its first error (reported on
  // err with its line number). Returns the process's exit status.
  int run(std::istream& script, std::ostream& err);

  // Runs one line of a script; false after reporting an error on err, which
  // ends the run with kScriptErrorExit.
  bool runLine(std::string_view line, long lineNumber, std::ostream& err);
  // Called after every message the script delivers to the game, with the
  // state it left: each timer message of tick and run on its own, each key,
  // menu command and close. Returning false ends the run there.
  using MessageObserver = std::function<bool(const GameState&)>;
  void observeMessages(MessageObserver observer) { observer_ = std::move(observer); }

  // With false, frame lines are checked but write no file: for reading a
  // script through that was not written for this machine.
  void writeFrames(bool on) { writeFrames_ = on; }

  // True once the program has posted its quit message, or an observer has
  // ended the run: nothing more runs.
  bool ended() const { return stopped_ || platform_.quitCode().has_value(); }
  // The exit status of a run that ended without an error.
  int exitStatus() const { return platform_.quitCode().value_or(0); }

  const Game& game() const { return game_; }

 private:
  void execute(const ScriptStep& step);
  void deliverTicks(std::int64_t count, bool onlyWhileTimerRuns);
  void writeFrame(std::string_view path);
  void afterMessage();

  std::ostream& out_;
  SimPlatform platform_;
  Game game_;
  PixelCanvas frame_;  // the client area the frame command paints into
  MessageObserver observer_;
  bool stopped_ = false;
  bool writeFrames_ = true;
};

}  // namespace vantorix::sim
