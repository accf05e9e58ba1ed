#include "app/sdl/replay.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "tools/sim/null_stream.h"
#include "tools/sim/simulator.h"

namespace vantorix::sdl {

namespace {

constexpr std::string_view kExpectedDigest = "#> digest ";

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return lines;
}

}  // namespace

bool Replay::load(const std::string& path, std::string& error) {
  path_ = path;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "vantorix: cannot read the recording " + path;
    return false;
  }
  text_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());

  // The simulator reads it through first, so that whatever it would refuse
  // is refused before anything is shown.
  sim::NullStream printed;
  sim::Simulator simulator(printed);
  simulator.writeFrames(false);
  std::istringstream script(text_);
  std::ostringstream refusal;
  if (simulator.run(script, refusal) == sim::kScriptErrorExit) {
    std::string line = refusal.str();
    if (!line.empty() && line.back() == '\n') line.pop_back();
    constexpr std::string_view kSimulator = "vantorix-sim: ";
    if (line.starts_with(kSimulator)) line.erase(0, kSimulator.size());
    error = "vantorix: " + path + ": " + line;
    return false;
  }

  const std::vector<std::string_view> lines = splitLines(text_);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::optional<sim::ScriptStep> step = sim::readStep(lines[i]);
    if (step) {
      steps_.push_back({std::move(*step), static_cast<long>(i + 1), {}});
    } else if (!steps_.empty() && steps_.back().step.kind == sim::ScriptStep::Kind::kDigest &&
               lines[i].starts_with(kExpectedDigest)) {
      std::string_view value = lines[i].substr(kExpectedDigest.size());
      if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
      steps_.back().expectedDigest = value;
    }
  }
  return true;
}

}  // namespace vantorix::sdl
