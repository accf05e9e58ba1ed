// Writes a recording of one session as it goes: what the game was delivered,
// in order, as a script the simulator replays (see the simulator's protocol).
// A message's line is written when it ends, after the answers of the boxes
// it opened, so the answers stand ahead of it; a message delivered inside
// another (a tick behind the start box) is written first. A run of ticks is
// one `tick N` line, held until another line comes, so the sink only ever
// appends; every 64 ticks, and before the message that ends the session,
// comes a digest of the state with its value.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/game_state.h"

namespace vantorix {

// Where the lines go, appended one after the other.
class RecordingSink {
 public:
  // One whole line, handed over without its line end. False when it could
  // not be written: the recorder then writes nothing more.
  virtual bool addLine(std::string_view line) = 0;

 protected:
  ~RecordingSink() = default;
};

inline constexpr int kTicksPerDigest = 64;

// The comment lines every recording opens with.
inline constexpr std::string_view kRecordingHeader[] = {
    "# A Vantorix recording: `vantorix-sim FILE` replays it, and the #> lines are what it",
    "# must print; `vantorix --replay FILE` plays it back in the window.",
};

// One line as the recorder makes it, held in place.
class RecordingLine {
 public:
  RecordingLine& operator<<(std::string_view text);
  RecordingLine& operator<<(int number);
  std::string_view view() const { return {text_.data(), size_}; }

 private:
  // Room for the longest line: "answer" and four answers, or "#> digest" and 16 digits.
  std::array<char, 64> text_{};
  std::size_t size_ = 0;
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
  // The window is gone: the session ends with the message under way, whose
  // box was open then, or at once when none is under way.
  void windowClosed();

  bool ended() const { return ended_; }
  // True once the sink could not take a line: the recording stops there.
  bool failed() const { return failed_; }
  // The run of ticks not written yet, as its line (empty when none is held).
  RecordingLine heldLine() const;

 private:
  struct Message {
    Kind kind = Kind::kTick;
    int value = 0;
    std::array<int, 4> answers{};  // a tick opens at most the loss and the continue box
    int answerCount = 0;
    // The state's digest where a replay meets this message's line: as it
    // began, after the messages delivered inside it so far.
    std::uint64_t digestBefore = 0;
    bool quits = false;
    bool windowClosed = false;  // while one of its boxes was open
  };
  static constexpr int kMaxDepth = 4;  // a tick inside the start box, and room to spare

  void writeMessage(const Message& message);
  void writeDigest(std::uint64_t value);
  // A line after the held run of ticks.
  void line(std::string_view text);
  void append(std::string_view text);

  RecordingSink& sink_;
  const GameState& state_;
  std::array<Message, kMaxDepth> messages_{};
  int depth_ = 0;
  int overflow_ = 0;   // messages begun beyond kMaxDepth, which no shell nests
  int heldTicks_ = 0;  // the run of ticks not written yet
  int ticksSinceDigest_ = 0;
  bool closing_ = false;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace vantorix
