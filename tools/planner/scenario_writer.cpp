#include "tools/planner/scenario_writer.h"

#include <stdexcept>
#include <string>

#include "script/recorder.h"

namespace vantorix::planner {

void ScenarioWriter::comment(std::string_view text) {
  writeTicks();
  out_ << "# " << text << '\n';
  ++lineNumber_;
}

void ScenarioWriter::tick() {
  ++pendingTicks_;
  if (++ticksSinceDigest_ < kTicksPerDigest) return;
  command("digest");
}

void ScenarioWriter::command(std::string_view line) {
  writeTicks();
  run(line);
}

void ScenarioWriter::writeTicks() {
  if (pendingTicks_ == 0) return;
  const long ticks = pendingTicks_;
  pendingTicks_ = 0;
  run(ticks == 1 ? std::string("tick") : "tick " + std::to_string(ticks));
}

void ScenarioWriter::run(std::string_view line) {
  if (line == "digest") ticksSinceDigest_ = 0;
  out_ << line << '\n';
  std::ostringstream error;
  if (!simulator_.runLine(line, ++lineNumber_, error)) {
    std::string message = error.str();
    if (!message.empty() && message.back() == '\n') message.pop_back();
    throw std::runtime_error(message);
  }
  std::string printed = printed_.str();
  printed_.str("");
  std::size_t start = 0;
  while (start < printed.size()) {
    const std::size_t end = printed.find('\n', start);
    out_ << "#> " << printed.substr(start, end - start) << '\n';
    ++lineNumber_;
    start = end == std::string::npos ? printed.size() : end + 1;
  }
}

}  // namespace vantorix::planner
