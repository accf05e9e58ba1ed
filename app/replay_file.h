// A recording file to play back in a window. It is played through once
// without a window, by the same player on a headless game, so that whatever
// the simulator would refuse is refused before anything is shown; then it is
// read again from its start as the window plays it, never held whole.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "script/player.h"
#include "script/script_lines.h"

namespace vantorix {

class ReplayFile {
 public:
  // False with one line in `error` for a file that cannot be read twice or
  // that the simulator would stop at; `name` is how messages call it (UTF-8).
  bool open(const std::filesystem::path& path, const std::string& name, std::string& error);

  // The player of the window's run, which checks every digest; open first.
  ScriptPlayer& player() { return *player_; }
  const ScriptPlayer& player() const { return *player_; }
  // Why the recording stopped short, as the program reports it; empty when
  // it played through.
  std::string report() const { return player_->outcome().report(name_); }

 private:
  std::string name_;
  std::ifstream file_;
  std::optional<LineReader> reader_;
  std::optional<ScriptPlayer> player_;
};

}  // namespace vantorix
