// One line of a script, read into the step it asks for. Nothing here throws:
// a line no script may hold gives its error back as a value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorix {

// A box's answer as a script queues it: the number the box gives, or the
// window closed while the box was open (the answer word "close").
struct ScriptAnswer {
  int value = 0;
  bool windowClosed = false;
  bool operator==(const ScriptAnswer&) const = default;
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
  std::vector<ScriptAnswer> answers;
  // set and get: the field names; frame: the path. They point into the line.
  std::vector<std::string_view> words;
};

// What one line holds: a step, nothing (a blank line or a comment), or the
// error that stops the script there.
struct StepReading {
  std::optional<ScriptStep> step;
  std::string error;  // empty unless the line is malformed
};

StepReading readStep(std::string_view line);

}  // namespace vantorix
