// vantorix-sim for node: the simulator's own script reader built for
// WebAssembly, so the scenario scripts run the game the page runs. Node's
// WASI gives it the script, standard output and the frame files; it starts
// every program in "/", so the host's working directory comes in PWD.
//
// The wasm32 C++ library has no exception runtime. Nothing the simulator
// runs throws (a script's faults are values); should a library call ever
// try, the run stops there with a line that says so.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <typeinfo>

#include <unistd.h>

#include "tools/sim/simulator.h"

extern "C" {

[[noreturn]] void* __cxa_allocate_exception(std::size_t) {
  std::cerr << "vantorix-sim: unexpected exception" << std::endl;
  std::abort();
}

[[noreturn]] void __cxa_throw(void*, std::type_info*, void (*)(void*)) {
  std::abort();
}

}  // extern "C"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: vantorix-sim [SCRIPT]\n";
    return vantorix::kMalformedScriptExit;
  }
  std::ios::sync_with_stdio(false);
  if (const char* directory = std::getenv("PWD"); directory != nullptr && chdir(directory) != 0) {
    std::cerr << "vantorix-sim: cannot work in " << directory << '\n';
    return vantorix::kMalformedScriptExit;
  }
  vantorix::sim::Simulator simulator(std::cout);
  if (argc == 2) {
    std::ifstream script(argv[1], std::ios::binary);
    if (!script) {
      std::cerr << "vantorix-sim: cannot open " << argv[1] << '\n';
      return vantorix::kMalformedScriptExit;
    }
    return simulator.run(script, std::cerr);
  }
  return simulator.run(std::cin, std::cerr);
}
