// The game without a window, driven by a script of commands: the script
// player with the simulator's printing driver, fed one line at a time.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

#include "script/player.h"
#include "script/script_lines.h"
#include "tools/sim/sim_driver.h"

namespace vantorix::sim {

class Simulator {
 public:
  explicit Simulator(std::ostream& out)
      : out_(out), player_(line_, ScriptPlayer::Checks::kNone), driver_(player_, out) {}

  // Runs the script to its end, to a quit, or to its first error (reported on
  // err with its line number). Returns the process's exit status.
  int run(std::istream& script, std::ostream& err);

  // Runs one line of a script; false after reporting an error on err, which
  // ends the run with kMalformedScriptExit.
  bool runLine(std::string_view line, long lineNumber, std::ostream& err);
  // Called after every message the script delivers to the game, with the
  // state it left: each timer message of tick and run on its own, each key,
  // menu command and close. Returning false ends the run there.
  using MessageObserver = SimDriver::MessageObserver;
  void observeMessages(MessageObserver observer) { driver_.observeMessages(std::move(observer)); }

  // With false, frame lines are checked but write no file: for reading a
  // script through that was not written for this machine.
  void writeFrames(bool on) { driver_.writeFrames(on); }

  // True once the program has posted its quit message, or an observer has
  // ended the run: nothing more runs.
  bool ended() const { return driver_.ended(); }
  // The exit status of a run that ended without an error.
  int exitStatus() const { return driver_.quitCode().value_or(0); }

  const Game& game() const { return driver_.game(); }

 private:
  bool play(ScriptLine line, std::ostream& err);

  std::ostream& out_;
  SingleLine line_;
  ScriptPlayer player_;
  SimDriver driver_;
};

}  // namespace vantorix::sim
