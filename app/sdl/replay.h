// A recording to play back in the window. It is played through once without
// a window, by the same player on a headless game, so that whatever the
// simulator would refuse is refused before anything is shown; then it is
// read again from its start as the window plays it, never held whole.
#pragma once

#include <fstream>
#include <optional>
#include <string>

#include "script/player.h"
#include "script/script_lines.h"

namespace vantorix::sdl {

class Replay {
 public:
  // False with one line in `error` for a file that cannot be read twice or
  // that the simulator would stop at.
  bool open(const std::string& path, std::string& error);

  // The player of the window's run, which checks every digest; open first.
  ScriptPlayer& player() { return *player_; }
  // Once the player has nothing more to play: says on standard error why
  // the recording stopped short, if it did, and gives the exit status.
  int finish() const;

 private:
  std::string path_;
  std::ifstream file_;
  std::optional<LineReader> reader_;
  std::optional<ScriptPlayer> player_;
};

}  // namespace vantorix::sdl
