// vantorix-sim: the game driven by a script on standard input or in a file.
#include <fstream>
#include <iostream>

#include "tools/sim/simulator.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: vantorix-sim [SCRIPT]\n";
    return vantorix::kMalformedScriptExit;
  }
  std::ios::sync_with_stdio(false);
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
