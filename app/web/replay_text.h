// A recording the page plays back, held in the module's memory: the page
// writes the file's bytes in, the recording is played through once on a
// headless game so that whatever the simulator would refuse is refused
// before anything is shown, and then it is read again from its start by the
// player the session's replay takes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "script/player.h"
#include "script/script_lines.h"

namespace vantorix::web {

class ReplayText {
 public:
  // Longer than hours of play: a file beyond this is not a recording.
  static constexpr std::size_t kMostBytes = std::size_t{64} << 20;

  ReplayText() = default;
  ReplayText(const ReplayText&) = delete;
  ReplayText& operator=(const ReplayText&) = delete;

  // Room for the file's `length` bytes, which the page writes next; null
  // for a length beyond kMostBytes, or once checked.
  char* room(std::size_t length);
  // Plays the written text through on a headless game, digests unchecked,
  // as the simulator would; the player for the session is made only when
  // the text played through.
  const ScriptOutcome& check();

  // The checked recording's player, which checks every digest; null before
  // a check passed.
  ScriptPlayer* player() { return player_ ? &*player_ : nullptr; }
  // How the check went, or how the replay went once it has begun.
  const ScriptOutcome& outcome() const { return player_ ? player_->outcome() : checked_; }

 private:
  std::string text_;
  bool checkedOnce_ = false;
  ScriptOutcome checked_;
  std::optional<LineReader> reader_;
  std::optional<ScriptPlayer> player_;
};

}  // namespace vantorix::web
