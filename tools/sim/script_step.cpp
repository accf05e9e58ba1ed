#include "tools/sim/script_step.h"

#include <charconv>
#include <limits>
#include <string>

#include "app/script_words.h"
#include "game/field_table.h"

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

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max() - 1;

void expectArgs(const Words& words, std::size_t min, std::size_t max) {
  if (words.size() - 1 < min) throw ScriptError(std::string(words[0]) + ": missing argument");
  if (words.size() - 1 > max) {
    throw ScriptError(std::string(words[0]) + ": unexpected argument " + quoted(words[max + 1]));
  }
}

int parseKey(std::string_view word) {
  if (const auto key = keyOfWord(word)) return *key;
  if (!word.empty() && word[0] >= '0' && word[0] <= '9') return parseI32(word);
  throw ScriptError("unknown key " + quoted(word));
}

int parseAnswer(std::string_view word) {
  if (const auto answer = answerOfWord(word)) return *answer;
  return parseI32(word);
}

}  // namespace

std::string quoted(std::string_view word) {
  // Built in place: g++ 12 at -O3 takes "\"" + std::string(word) for an
  // overlapping copy and stops the build (-Werror=restrict).
  std::string text;
  text.reserve(word.size() + 2);
  text += '"';
  text += word;
  text += '"';
  return text;
}

std::optional<ScriptStep> readStep(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const Words words = splitWords(line);
  if (words.empty() || words[0][0] == '#') return std::nullopt;
  const std::string_view command = words[0];
  using Kind = ScriptStep::Kind;
  ScriptStep step;

  if (command == "tick" || command == "run") {
    const bool run = command == "run";
    expectArgs(words, run ? 1 : 0, 1);
    step.kind = run ? Kind::kRun : Kind::kTick;
    if (words.size() > 1) step.count = parseNumber(words[1], 0, std::numeric_limits<i32>::max());
  } else if (command == "key") {
    expectArgs(words, 1, 1);
    step.kind = Kind::kKey;
    step.value = parseKey(words[1]);
  } else if (command == "command") {
    expectArgs(words, 1, 1);
    step.kind = Kind::kCommand;
    // As the window procedure reads it: the low 16 bits of any 32-bit number.
    const std::int64_t id = parseNumber(words[1], std::numeric_limits<i32>::min(),
                                        std::numeric_limits<std::uint32_t>::max());
    step.value = static_cast<int>(static_cast<std::uint32_t>(id) & 0xFFFFu);
  } else if (command == "answer") {
    expectArgs(words, 1, kAny);
    step.kind = Kind::kAnswer;
    for (std::size_t i = 1; i < words.size(); ++i)
      step.answers.push_back(parseAnswer(words[i]));
  } else if (command == "set") {
    expectArgs(words, 2, 2);
    step.kind = Kind::kSet;
    if (!readField(kStartState, words[1])) throw ScriptError("unknown field " + quoted(words[1]));
    step.words = {words[1]};
    step.value = parseI32(words[2]);
  } else if (command == "get") {
    expectArgs(words, 1, kAny);
    step.kind = Kind::kGet;
    step.words.assign(words.begin() + 1, words.end());
  } else if (command == "dump" || command == "digest" || command == "draws" || command == "close") {
    expectArgs(words, 0, 0);
    step.kind = command == "dump"     ? Kind::kDump
                : command == "digest" ? Kind::kDigest
                : command == "draws"  ? Kind::kDraws
                                      : Kind::kClose;
  } else if (command == "frame") {
    expectArgs(words, 1, 1);
    step.kind = Kind::kFrame;
    step.words = {words[1]};
  } else if (command == "events") {
    expectArgs(words, 1, 1);
    if (words[1] != "on" && words[1] != "off") {
      throw ScriptError("events: expected on or off, not " + quoted(words[1]));
    }
    step.kind = Kind::kEvents;
    step.value = words[1] == "on" ? 1 : 0;
  } else {
    throw ScriptError("unknown command " + quoted(command));
  }
  return step;
}

}  // namespace vantorix::sim
