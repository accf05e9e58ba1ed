#include "script/script_step.h"

#include <charconv>
#include <limits>

#include "game/field_table.h"
#include "script/excerpt.h"
#include "script/words.h"

namespace vantorix {

namespace {

using Words = std::vector<std::string_view>;

Words splitWords(std::string_view line) {
  Words words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
      ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t')
      ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

// Reads the words of one line; the first fault it meets is kept in `error`,
// and whatever it reads after that is thrown away with the step.
class LineParser {
 public:
  explicit LineParser(const Words& words) : words_(words) {}

  const std::string& error() const { return error_; }
  bool failed() const { return !error_.empty(); }
  void fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
  }

  // The argument count lies between min and max.
  bool expectArgs(std::size_t min, std::size_t max) {
    const std::size_t args = words_.size() - 1;
    if (args < min) {
      fail(std::string(words_[0]) + ": missing argument");
    } else if (args > max) {
      fail(std::string(words_[0]) + ": unexpected argument " + quotedWord(words_[max + 1]));
    }
    return !failed();
  }

  std::int64_t number(std::string_view word, std::int64_t min, std::int64_t max) {
    std::int64_t value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec == std::errc::result_out_of_range ||
        (ec == std::errc{} && ptr == end && (value < min || value > max))) {
      fail("number out of range " + quotedWord(word));
    } else if (ec != std::errc{} || ptr != end) {
      fail("malformed number " + quotedWord(word));
    }
    return failed() ? 0 : value;
  }

  i32 i32Number(std::string_view word) {
    return static_cast<i32>(
        number(word, std::numeric_limits<i32>::min(), std::numeric_limits<i32>::max()));
  }

  int key(std::string_view word) {
    if (const auto key = keyOfWord(word)) return *key;
    if (!word.empty() && word[0] >= '0' && word[0] <= '9') return i32Number(word);
    fail("unknown key " + quotedWord(word));
    return 0;
  }

  ScriptAnswer answer(std::string_view word) {
    if (word == kWindowClosedWord) return {0, true};
    if (const auto answer = answerOfWord(word)) return {*answer, false};
    return {i32Number(word), false};
  }

 private:
  const Words& words_;
  std::string error_;
};

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max() - 1;

void readArguments(const Words& words, ScriptStep& step, LineParser& parser) {
  const std::string_view command = words[0];
  using Kind = ScriptStep::Kind;
  if (command == "tick" || command == "run") {
    const bool run = command == "run";
    step.kind = run ? Kind::kRun : Kind::kTick;
    if (!parser.expectArgs(run ? 1 : 0, 1)) return;
    if (words.size() > 1) {
      step.count = parser.number(words[1], 0, std::numeric_limits<i32>::max());
    }
  } else if (command == "key") {
    step.kind = Kind::kKey;
    if (parser.expectArgs(1, 1)) step.value = parser.key(words[1]);
  } else if (command == "command") {
    step.kind = Kind::kCommand;
    if (!parser.expectArgs(1, 1)) return;
    // As the window procedure reads it: the low 16 bits of any 32-bit number.
    const std::int64_t id = parser.number(words[1], std::numeric_limits<i32>::min(),
                                          std::numeric_limits<std::uint32_t>::max());
    step.value = static_cast<int>(static_cast<std::uint32_t>(id) & 0xFFFFu);
  } else if (command == "answer") {
    step.kind = Kind::kAnswer;
    if (!parser.expectArgs(1, kAny)) return;
    for (std::size_t i = 1; i < words.size() && !parser.failed(); ++i)
      step.answers.push_back(parser.answer(words[i]));
  } else if (command == "set") {
    step.kind = Kind::kSet;
    if (!parser.expectArgs(2, 2)) return;
    if (!readField(kStartState, words[1]))
      return parser.fail("unknown field " + quotedWord(words[1]));
    step.words = {words[1]};
    step.value = parser.i32Number(words[2]);
  } else if (command == "get") {
    step.kind = Kind::kGet;
    if (parser.expectArgs(1, kAny)) step.words.assign(words.begin() + 1, words.end());
  } else if (command == "dump" || command == "digest" || command == "draws" || command == "close") {
    step.kind = command == "dump"     ? Kind::kDump
                : command == "digest" ? Kind::kDigest
                : command == "draws"  ? Kind::kDraws
                                      : Kind::kClose;
    parser.expectArgs(0, 0);
  } else if (command == "frame") {
    step.kind = Kind::kFrame;
    if (parser.expectArgs(1, 1)) step.words = {words[1]};
  } else if (command == "events") {
    step.kind = Kind::kEvents;
    if (!parser.expectArgs(1, 1)) return;
    if (words[1] != "on" && words[1] != "off") {
      return parser.fail("events: expected on or off, not " + quotedWord(words[1]));
    }
    step.value = words[1] == "on" ? 1 : 0;
  } else {
    parser.fail("unknown command " + quotedWord(command));
  }
}

}  // namespace

StepReading readStep(std::string_view line) {
  const Words words = splitWords(line);
  if (words.empty() || words[0][0] == '#') return {};
  LineParser parser(words);
  ScriptStep step;
  readArguments(words, step, parser);
  if (parser.failed()) return {std::nullopt, parser.error()};
  return {std::move(step), {}};
}

}  // namespace vantorix
