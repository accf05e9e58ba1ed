// libFuzzer target: arbitrary bytes as a simulator script. Malformed input must
// end in the script error, never a crash; a script that pokes no field with
// `set` must keep every game invariant after every single message.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "game/invariants.h"
#include "tools/sim/null_stream.h"
#include "tools/sim/simulator.h"

namespace {

// Messages one input may deliver in all, so that every input stays quick.
constexpr long kMessageBudget = 30000;

std::string_view firstWord(std::string_view line) {
  const auto start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  line.remove_prefix(start);
  return line.substr(0, line.find_first_of(" \t\r"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vantorix::sim::NullStream out;
  vantorix::sim::Simulator simulator(out);
  const std::string_view script(reinterpret_cast<const char*>(data), size);

  bool poked = false;
  long budget = kMessageBudget;
  vantorix::InvariantWatch watch(simulator.game().state());
  simulator.observeMessages([&](const vantorix::GameState& state) {
    const char* broken = watch.step(state);
    if (broken != nullptr && !poked) {
      std::fprintf(stderr, "invariant broken: %s\n", broken);
      std::abort();
    }
    return --budget > 0;
  });

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
    if (!simulator.runLine(line, lineNumber, out)) return 0;
  }
  return 0;
}
