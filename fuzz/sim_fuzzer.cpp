// libFuzzer target: arbitrary bytes as a simulator script. Malformed input must
// end in the script error, never a crash; a script that pokes no field with
// `set` must keep every game invariant after every single tick.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/invariants.h"
#include "tools/sim/null_stream.h"
#include "tools/sim/simulator.h"

namespace {

// Ticks one input may deliver in all, so that every input stays quick.
constexpr long kTickBudget = 30000;

std::string_view firstWord(std::string_view line) {
  const auto start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  line.remove_prefix(start);
  return line.substr(0, line.find_first_of(" \t\r"));
}

// The count of a plain "tick N" or "run N" line, or -1 when the line is
// anything else (including a malformed count, left for the simulator to reject).
long tickCount(std::string_view line, std::string_view command) {
  const auto at = line.find(command);
  std::string_view rest = line.substr(at + command.size());
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
    rest.remove_prefix(1);
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r'))
    rest.remove_suffix(1);
  if (rest.empty()) return command == "tick" ? 1 : -1;
  if (rest.size() > 9) return -1;
  long n = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vantorix::sim::NullStream out;
  vantorix::sim::Simulator simulator(out);
  const std::string_view script(reinterpret_cast<const char*>(data), size);

  bool poked = false;
  long budget = kTickBudget;
  vantorix::GameState before = simulator.game().state();
  auto check = [&] {
    if (poked) return;
    if (const char* broken = vantorix::brokenInvariant(before, simulator.game().state())) {
      std::fprintf(stderr, "invariant broken: %s\n", broken);
      std::abort();
    }
    before = simulator.game().state();
  };

  long lineNumber = 0;
  std::size_t pos = 0;
  while (pos <= script.size() && !simulator.ended()) {
    const std::size_t end = std::min(script.find('\n', pos), script.size());
    const std::string_view line = script.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    const std::string_view command = firstWord(line);
    if (command == "frame") continue;  // no files written while fuzzing
    if (command == "set") poked = true;
    if (command == "tick" || command == "run") {
      const long count = tickCount(line, command);
      if (count >= 0) {
        // One tick at a time, so that the invariants are checked after each.
        const std::string_view single = command == "tick" ? "tick 1" : "run 1";
        for (long i = 0; i < count && budget > 0 && !simulator.ended(); ++i, --budget) {
          if (!simulator.runLine(single, lineNumber, out)) return 0;
          check();
        }
        continue;
      }
    }
    if (!simulator.runLine(line, lineNumber, out)) return 0;
    check();
  }
  return 0;
}
