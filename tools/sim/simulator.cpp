#include "tools/sim/simulator.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "game/field_table.h"
#include "game/keyboard.h"
#include "render/bmp_writer.h"

namespace vantorix::sim {

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

std::string quoted(std::string_view word) {
  return "\"" + std::string(word) + "\"";
}

std::int64_t parseNumber(std::string_view word, std::int64_t min, std::int64_t max) {
  std::int64_t value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec == std::errc::result_out_of_range ||
      (ec == std::errc{} && ptr == end && (value < min || value > max))) {
    throw ScriptError("number out of range " + quoted(word));
  }
  if (ec != std::errc{} || ptr != end) throw ScriptError("malformed number " + quoted(word));
  return value;
}

i32 parseI32(std::string_view word) {
  return static_cast<i32>(
      parseNumber(word, std::numeric_limits<i32>::min(), std::numeric_limits<i32>::max()));
}

void expectArgs(const Words& words, std::size_t min, std::size_t max) {
  if (words.size() - 1 < min) throw ScriptError(std::string(words[0]) + ": missing argument");
  if (words.size() - 1 > max) {
    throw ScriptError(std::string(words[0]) + ": unexpected argument " + quoted(words[max + 1]));
  }
}

int parseKey(std::string_view word) {
  if (word == "space") return kVkSpace;
  if (word == "left") return kVkLeft;
  if (word == "up") return kVkUp;
  if (word == "right") return kVkRight;
  if (word == "down") return kVkDown;
  if (!word.empty() && word[0] >= '0' && word[0] <= '9') return parseI32(word);
  throw ScriptError("unknown key " + quoted(word));
}

int parseAnswer(std::string_view word) {
  if (word == "ok") return kIdOk;
  if (word == "yes") return kIdYes;
  if (word == "no") return kIdNo;
  return parseI32(word);
}

// Prints each copy a paint makes instead of making it.
class CopyPrinter final : public Canvas {
 public:
  explicit CopyPrinter(std::ostream& out) : out_(out) {}
  void select(Sprite sprite) override { selected_ = sprite; }
  void copy(int x, int y, int width, int height) override {
    out_ << ResourceName(selected_).view() << ' ' << x << ' ' << y << ' ' << width << ' ' << height
         << '\n';
  }

 private:
  std::ostream& out_;
  Sprite selected_ = Sprite::kFighter;
};

}  // namespace

int Simulator::run(std::istream& script, std::ostream& err) {
  std::string line;
  long lineNumber = 0;
  while (!ended() && std::getline(script, line)) {
    if (!runLine(line, ++lineNumber, err)) return kScriptErrorExit;
  }
  out_.flush();
  return exitStatus();
}

bool Simulator::runLine(std::string_view line, long lineNumber, std::ostream& err) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const Words words = splitWords(line);
  if (words.empty() || words[0][0] == '#') return true;
  try {
    execute(words);
  } catch (const ScriptError& error) {
    out_.flush();
    err << "vantorix-sim: line " << lineNumber << ": " << error.what() << '\n';
    return false;
  }
  return true;
}

void Simulator::deliverTicks(const Words& words, bool onlyWhileTimerRuns) {
  expectArgs(words, onlyWhileTimerRuns ? 1 : 0, 1);
  const std::int64_t count =
      words.size() > 1 ? parseNumber(words[1], 0, std::numeric_limits<i32>::max()) : 1;
  for (std::int64_t i = 0; i < count && !ended(); ++i) {
    if (onlyWhileTimerRuns && !platform_.timerRunning()) break;
    game_.timer();
    afterMessage();
  }
}

void Simulator::afterMessage() {
  if (observer_ && !observer_(game_.state())) stopped_ = true;
}

void Simulator::writeFrame(std::string_view path) {
  frame_.clear();  // the erase with the window's black brush
  game_.paint(frame_);
  if (!writeBmpFile(std::string(path), frame_)) {
    throw ScriptError("frame: cannot write " + quoted(path));
  }
}

void Simulator::execute(const Words& words) {
  const std::string_view command = words[0];
  GameState& state = game_.state();

  if (command == "tick") {
    deliverTicks(words, false);
  } else if (command == "run") {
    deliverTicks(words, true);
  } else if (command == "key") {
    expectArgs(words, 1, 1);
    game_.keyDown(parseKey(words[1]));
    afterMessage();
  } else if (command == "command") {
    expectArgs(words, 1, 1);
    // As the window procedure reads it: the low 16 bits of any 32-bit number.
    const std::int64_t id = parseNumber(words[1], std::numeric_limits<i32>::min(),
                                        std::numeric_limits<std::uint32_t>::max());
    game_.command(static_cast<int>(static_cast<std::uint32_t>(id) & 0xFFFFu));
    afterMessage();
  } else if (command == "answer") {
    expectArgs(words, 1, std::numeric_limits<std::size_t>::max() - 1);
    for (std::size_t i = 1; i < words.size(); ++i)
      platform_.queueAnswer(parseAnswer(words[i]));
  } else if (command == "set") {
    expectArgs(words, 2, 2);
    i32* field = findField(state, words[1]);
    if (field == nullptr) throw ScriptError("unknown field " + quoted(words[1]));
    *field = parseI32(words[2]);
  } else if (command == "get") {
    expectArgs(words, 1, std::numeric_limits<std::size_t>::max() - 1);
    for (std::size_t i = 1; i < words.size(); ++i) {
      const auto value = readField(state, words[i]);
      if (!value) throw ScriptError("unknown field " + quoted(words[i]));
      out_ << words[i] << ' ' << *value << '\n';
    }
  } else if (command == "dump") {
    expectArgs(words, 0, 0);
    forEachField(std::as_const(state), [&](std::string_view name, const i32& value) {
      out_ << name << ' ' << value << '\n';
    });
  } else if (command == "draws") {
    expectArgs(words, 0, 0);
    CopyPrinter printer(out_);
    game_.paint(printer);
  } else if (command == "frame") {
    expectArgs(words, 1, 1);
    writeFrame(words[1]);
  } else if (command == "events") {
    expectArgs(words, 1, 1);
    if (words[1] != "on" && words[1] != "off") {
      throw ScriptError("events: expected on or off, not " + quoted(words[1]));
    }
    platform_.setEvents(words[1] == "on");
  } else if (command == "close") {
    expectArgs(words, 0, 0);
    game_.destroy();
    afterMessage();
  } else {
    throw ScriptError("unknown command " + quoted(command));
  }
}

}  // namespace vantorix::sim
