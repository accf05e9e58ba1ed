#include "app/web/replay_text.h"

#include "app/headless_game.h"

namespace vantorix::web {

char* ReplayText::room(std::size_t length) {
  if (length > kMostBytes || checkedOnce_) return nullptr;
  text_.assign(length, '\0');
  return text_.data();
}

const ScriptOutcome& ReplayText::check() {
  if (checkedOnce_) return outcome();
  checkedOnce_ = true;
  {
    LineReader lines(text_);
    ScriptPlayer checker(lines, ScriptPlayer::Checks::kNone);
    HeadlessGame game(checker);
    checker.playThrough(game);
    checked_ = checker.outcome();
  }
  if (checked_.kind == ScriptOutcome::Kind::kPlayedThrough) {
    reader_.emplace(text_);
    player_.emplace(*reader_, ScriptPlayer::Checks::kDigests);
  }
  return outcome();
}

}  // namespace vantorix::web
