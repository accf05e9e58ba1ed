#include "tools/sim/simulator.h"

#include <utility>

namespace vantorix::sim {

int Simulator::run(std::istream& script, std::ostream& err) {
  LineReader reader(script);
  while (!ended()) {
    ScriptLine line = reader.nextLine();
    if (line.kind == ScriptLine::Kind::kEnd) break;
    if (!play(std::move(line), err)) return kMalformedScriptExit;
  }
  out_.flush();
  return exitStatus();
}

bool Simulator::runLine(std::string_view line, long lineNumber, std::ostream& err) {
  return play({ScriptLine::Kind::kText, line, lineNumber, {}}, err);
}

bool Simulator::play(ScriptLine line, std::ostream& err) {
  line_.hold(std::move(line));
  player_.playThrough(driver_);
  if (!player_.stopped()) return true;
  out_.flush();
  const ScriptOutcome& outcome = player_.outcome();
  err << "vantorix-sim: line " << outcome.line << ": " << outcome.message << '\n';
  return false;
}

}  // namespace vantorix::sim
