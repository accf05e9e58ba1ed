// The SDL program's command line: nothing to play, --record FILE to play and
// write the session's recording, --replay FILE to play a recording back.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vantorix::sdl {

struct Options {
  enum class Mode { kPlay, kRecord, kReplay, kVersion };
  Mode mode = Mode::kPlay;
  std::string file;  // the recording, for kRecord and kReplay
};

inline constexpr std::string_view kUsage =
    "usage: vantorix [--record FILE | --replay FILE | --version]";

// False for a command line the program does not know.
bool parseOptions(std::span<const std::string_view> arguments, Options& options);

}  // namespace vantorix::sdl
