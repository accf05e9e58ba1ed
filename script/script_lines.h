// Where a script's lines come from: a stream read as it is played, so that
// memory never grows with the script, or lines handed in one at a time.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <utility>

namespace vantorix {

// The longest line a script may hold, without its line end. A recorder's
// line stays under 64 bytes and the longest scenario line is 165 (a get of
// a dozen fields); this leaves room for a get of a few hundred fields while
// a stream with no line ends (a device, a binary file) is refused after
// reading no more than this.
inline constexpr std::size_t kMaxLineBytes = 4096;

struct ScriptLine {
  enum class Kind { kText, kEnd, kFault };
  Kind kind = Kind::kEnd;
  // kText: the line without its line end; it stays valid until the next
  // line is taken from the same source.
  std::string_view text;
  long number = 0;    // counted from 1
  std::string fault;  // kFault: what is wrong with the line; nothing follows it
};

class ScriptLines {
 public:
  virtual ScriptLine nextLine() = 0;

 protected:
  ~ScriptLines() = default;
};

// Lines read from a stream one at a time: a line ends at LF, a CR before it
// is dropped, and the last line needs no line end.
class LineReader final : public ScriptLines {
 public:
  explicit LineReader(std::istream& in) : in_(in.rdbuf()), readable_(in_ != nullptr) {}
  // The same lines read in place from text held in memory, which must stay
  // while they are read: for a program with no streams (the page).
  explicit LineReader(std::string_view held) : held_(held), readable_(true) {}
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  ScriptLine nextLine() override;

 private:
  ScriptLine tooLong(long number);
  // The next byte of the stream or of the held text; -1 at its end.
  int nextByte();

  std::streambuf* in_ = nullptr;
  std::string_view held_;  // what is left of held text
  bool readable_;
  // The line, and room for its CR.
  std::array<char, kMaxLineBytes + 1> text_{};
  long number_ = 0;
  bool ended_ = false;
};

// The one line handed in last, given out once.
class SingleLine final : public ScriptLines {
 public:
  void hold(ScriptLine line) { line_ = std::move(line); }
  ScriptLine nextLine() override { return std::exchange(line_, ScriptLine{}); }

 private:
  ScriptLine line_;
};

}  // namespace vantorix
