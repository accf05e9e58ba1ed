#include "app/sdl/options.h"

namespace vantorix::sdl {

bool parseOptions(std::span<const std::string_view> arguments, Options& options) {
  options = Options{};
  if (arguments.empty()) return true;
  const std::string_view option = arguments[0];
  if (option == "--version") {
    options.mode = Options::Mode::kVersion;
    return arguments.size() == 1;
  }
  if (option != "--record" && option != "--replay") return false;
  if (arguments.size() != 2 || arguments[1].empty()) return false;
  options.mode = option == "--record" ? Options::Mode::kRecord : Options::Mode::kReplay;
  options.file = arguments[1];
  return true;
}

}  // namespace vantorix::sdl
