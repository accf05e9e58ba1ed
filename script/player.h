// Plays a script against a game: the one reading of a script's steps that
// the simulator, the window's replay and the page share. A caller asks what
// comes next and plays exactly that: one timer message (a `tick N` or `run
// N` is handed out one message at a time), or one other step. A caller that
// plays everything at once loops; a paced one delivers a timer message when
// its clock says so. The game is reached through a ScriptDriver.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/box_answers.h"
#include "game/game_state.h"
#include "script/script_lines.h"
#include "script/script_step.h"

namespace vantorix {

// The exit statuses of a script that did not play through.
inline constexpr int kMalformedScriptExit = 2;
inline constexpr int kReplayDiffersExit = 3;

// The game as the player reaches it.
class ScriptDriver {
 public:
  // The window's messages, each delivered as the window procedure would.
  virtual void command(int id) = 0;
  virtual void timer() = 0;
  virtual void keyDown(int virtualKey) = 0;
  virtual void close() = 0;  // the close box: the destroy message
  virtual bool timerRunning() const = 0;
  // True once the program has ended: nothing more is played.
  virtual bool ended() const = 0;
  // For set, get and digest.
  virtual GameState& state() = 0;
  // dump, draws, frame and events, which only print or write files: nothing
  // by default. An error stops the script at the step's line.
  virtual std::optional<std::string> outputStep(const ScriptStep& step);
  // What get and digest found, for a driver that prints it.
  virtual void fieldGot(std::string_view name, i32 value);
  virtual void digestTaken(std::uint64_t value);

 protected:
  ~ScriptDriver() = default;
};

// How a script went: played through (so far, while there is more to play),
// or stopped at a line.
struct ScriptOutcome {
  enum class Kind { kPlayedThrough, kMalformed, kDiffers };
  Kind kind = Kind::kPlayedThrough;
  long line = 0;
  std::string message;  // what was wrong, as the error line says it

  // 0 when played through, kMalformedScriptExit or kReplayDiffersExit.
  int exitStatus() const;
  // The error a program that played the recording at `path` reports:
  // "vantorix: PATH: line N: ..." for a malformed one, "vantorix: PATH:N:
  // ..." for a digest that differs; empty when it played through.
  std::string report(std::string_view path) const;
};

class ScriptPlayer {
 public:
  // With kDigests each digest step is checked against the `#> digest H` line
  // that follows it, as a replay of a recording must be; the simulator only
  // prints the digests and leaves the comparing to the scenario runner.
  enum class Checks { kNone, kDigests };
  ScriptPlayer(ScriptLines& lines, Checks checks) : lines_(lines), checks_(checks) {}
  ScriptPlayer(const ScriptPlayer&) = delete;
  ScriptPlayer& operator=(const ScriptPlayer&) = delete;

  // kEnd when nothing more can be played: the lines ran out, the program
  // ended, or the script stopped with a fault. Reads lines as it needs them,
  // and asks again give the same until play.
  enum class Next { kTimer, kStep, kEnd };
  Next next(ScriptDriver& driver);
  // Plays what next() said.
  void play(ScriptDriver& driver);
  void playThrough(ScriptDriver& driver);

  // The one rule for a box the played game opens: the next queued answer; an
  // OK box without one gives OK, and a yes/no box without one stops the
  // script. A box answered "close" closes the window: the caller delivers
  // the destroy while the box is open, and the box gives `answer`.
  struct BoxReply {
    int answer = kIdOk;
    bool closesWindow = false;
  };
  BoxReply answerFor(std::string_view text, BoxButtons buttons);

  const ScriptOutcome& outcome() const { return outcome_; }
  bool stopped() const { return outcome_.kind != ScriptOutcome::Kind::kPlayedThrough; }

 private:
  // What a recording may queue ahead (the loss and the continue box), with
  // room for a script that answers many boxes at once.
  static constexpr std::size_t kMaxQueuedAnswers = 64;

  // Plays what next() has just said.
  void play(Next what, ScriptDriver& driver);
  ScriptLine takeLine();
  void execute(const ScriptStep& step, ScriptDriver& driver);
  void queue(const ScriptStep& step);
  void checkDigest(std::uint64_t value);
  void stop(ScriptOutcome::Kind kind, std::string message);

  ScriptLines& lines_;
  Checks checks_;
  std::optional<ScriptLine> lookahead_;  // read after a digest, not its value
  std::optional<ScriptStep> step_;       // read, not played yet
  long stepLine_ = 0;
  std::int64_t timersLeft_ = 0;  // of a tick or run step
  std::array<ScriptAnswer, kMaxQueuedAnswers> answers_{};
  std::size_t firstAnswer_ = 0;
  std::size_t answerCount_ = 0;
  ScriptOutcome outcome_;
};

}  // namespace vantorix
