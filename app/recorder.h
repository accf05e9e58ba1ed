// Writes a recording of one session as it goes: what the game was delivered,
// in order, as a script the simulator replays (see the simulator's protocol).
// A message's line is written when it ends, after the answers of the boxes
// it opened, so the answers stand ahead of it; a message delivered inside
// another (a tick behind the start box) is written first. Runs of ticks are
// one `tick N` line, grown in place; every 64 ticks, and before the message
// that ends the session, comes a digest of the state with its value.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/game_state.h"

namespace vantorix {

// Where the lines go. A line is handed over whole, without its line end.
class RecordingSink {
 public:
  virtual void addLine(std::string_view line) = 0;
  // The line added last, written again: a run of ticks that grew.
  virtual void replaceLastLine(std::string_view line) = 0;

 protected:
  ~RecordingSink() = default;
};

inline constexpr int kTicksPerDigest = 64;

// The comment lines every recording opens with.
inline constexpr std::string_view kRecordingHeader[] = {
    "# A Vantorix recording: `vantorix-sim FILE` replays it, and the #> lines are what it",
    "# must print; `vantorix --replay FILE` plays it back in the window.",
};

class Recorder {
 public:
  // Writes the header at once.
  Recorder(RecordingSink& sink, const GameState& state);

  enum class Kind { kCommand, kKey, kTick };
  // A message begins: a menu command or a key-down with its number, or a tick.
  void begin(Kind kind, int value = 0);
  void endMessage();
  void boxAnswered(int answer);
  // The game posted its quit: the session ends with the message under way.
  void quitPosted();
  // The window is gone: the session ends once the messages under way end.
  void windowClosed();

  bool ended() const { return ended_; }

 private:
  struct Message {
    Kind kind = Kind::kTick;
    int value = 0;
    std::array<int, 4> answers{};  // a tick opens at most the loss and the continue box
    int answerCount = 0;
    std::uint64_t digestBefore = 0;
    bool quits = false;
  };
  static constexpr int kMaxDepth = 4;  // a tick inside the start box, and room to spare

  void writeMessage(const Message& message);
  void writeDigest(std::uint64_t value);
  void closeTickRun();
  void line(std::string_view text);

  RecordingSink& sink_;
  const GameState& state_;
  std::array<Message, kMaxDepth> messages_{};
  int depth_ = 0;
  int overflow_ = 0;  // messages begun beyond kMaxDepth, which no shell nests
  int tickRun_ = 0;   // ticks in the `tick N` line written last, or 0
  int ticksSinceDigest_ = 0;
  bool closing_ = false;
  bool ended_ = false;
};

}  // namespace vantorix
