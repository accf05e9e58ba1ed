// The Windows program's command line: nothing to play, --record FILE to play
// and write the session's recording, --replay FILE to play a recording back.
// It is read as UTF-16, so that any file name the system has works.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vantorix::win32 {

struct Options {
  enum class Mode { kPlay, kRecord, kReplay };
  Mode mode = Mode::kPlay;
  std::wstring file;  // the recording, for kRecord and kReplay
};

inline constexpr std::string_view kUsage = "usage: vantorix [--record FILE | --replay FILE]";

// False for a command line the program does not know. `arguments` leaves out
// the program's own name.
bool parseOptions(std::span<const std::wstring_view> arguments, Options& options);

// The program's own command line, parsed.
bool readCommandLine(Options& options);

}  // namespace vantorix::win32
