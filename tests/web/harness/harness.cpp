// vantorix-sim for node: the simulator's own script reader built for
// WebAssembly, so the scenario scripts run the game the page runs. Node's
// WASI gives it the script, standard output and the frame files; it starts
// every program in "/", so the host's working directory comes in PWD.
//
// The wasm32 C++ library has no exception runtime, so a script error cannot
// unwind to the reader's catch. It ends the run from the throw instead, with
// the same line on standard error and the same exit status.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <typeinfo>

#include <unistd.h>

#include "tools/sim/simulator.h"

namespace {

long lineBeingRun = 0;

}  // namespace

extern "C" {

// Never freed: the run ends at the throw.
void* __cxa_allocate_exception(std::size_t size) {
  return std::malloc(size);
}

[[noreturn]] void __cxa_throw(void* thrown, std::type_info* type, void (*)(void*)) {
  std::cout.flush();
  if (type != nullptr && *type == typeid(vantorix::sim::ScriptError)) {
    const auto* error = static_cast<const vantorix::sim::ScriptError*>(thrown);
    std::cerr << "vantorix-sim: line " << lineBeingRun << ": " << error->what() << std::endl;
    std::_Exit(vantorix::sim::kScriptErrorExit);
  }
  std::cerr << "vantorix-sim: unexpected exception" << std::endl;
  std::abort();
}

}  // extern "C"

namespace {

int runScript(std::istream& script) {
  vantorix::sim::Simulator simulator(std::cout);
  std::string line;
  while (!simulator.ended() && std::getline(script, line)) {
    if (!simulator.runLine(line, ++lineBeingRun, std::cerr)) return vantorix::sim::kScriptErrorExit;
  }
  std::cout.flush();
  return simulator.exitStatus();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: vantorix-sim [SCRIPT]\n";
    return vantorix::sim::kScriptErrorExit;
  }
  std::ios::sync_with_stdio(false);
  if (const char* directory = std::getenv("PWD"); directory != nullptr && chdir(directory) != 0) {
    std::cerr << "vantorix-sim: cannot work in " << directory << '\n';
    return vantorix::sim::kScriptErrorExit;
  }
  if (argc == 2) {
    std::ifstream script(argv[1], std::ios::binary);
    if (!script) {
      std::cerr << "vantorix-sim: cannot open " << argv[1] << '\n';
      return vantorix::sim::kScriptErrorExit;
    }
    return runScript(script);
  }
  return runScript(std::cin);
}
