// One line of a simulator script, read into the step it asks for. The
// simulator runs steps on its own game; the SDL program's replay runs a
// recording's steps in its window.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantorix::sim {

// A fault in the script; the run stops with it.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ScriptStep {
  enum class Kind {
    kTick,
    kRun,
    kKey,
    kCommand,
    kAnswer,
    kSet,
    kGet,
    kDump,
    kDigest,
    kDraws,
    kFrame,
    kEvents,
    kClose,
  };
  Kind kind = Kind::kTick;
  std::int64_t count = 1;  // tick and run: how many timer messages, at most
  int value = 0;           // key: its code; command: its identifier; set: the value; events: on
  std::vector<int> answers;
  std::vector<std::string_view> words;  // set and get: the field names; frame: the path
};

// A word of the script as an error line shows it: in double quotes.
std::string quoted(std::string_view word);

// The step a line asks for, or nullopt for a blank line or a comment.
// Throws ScriptError for a line no script may hold.
std::optional<ScriptStep> readStep(std::string_view line);

}  // namespace vantorix::sim
