#include "app/sdl/replay.h"

#include <cstdio>
#include <filesystem>

#include "app/headless_game.h"

namespace vantorix::sdl {

namespace {

std::string refusal(const std::string& path, const ScriptOutcome& outcome) {
  return "vantorix: " + path + ": line " + std::to_string(outcome.line) + ": " + outcome.message;
}

}  // namespace

bool Replay::open(const std::string& path, std::string& error) {
  path_ = path;
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    error = "vantorix: cannot read the recording " + path + ": it is a directory";
    return false;
  }
  file_.open(path, std::ios::binary);
  if (!file_) {
    error = "vantorix: cannot read the recording " + path;
    return false;
  }
  // Read twice: a pipe, whose bytes are gone once read, cannot be.
  if (file_.tellg() < 0) {
    error = "vantorix: cannot replay " + path +
            ": it can be read only once (a pipe?); save it to a file first";
    return false;
  }
  {
    LineReader lines(file_);
    ScriptPlayer checker(lines, ScriptPlayer::Checks::kNone);
    HeadlessGame game(checker);
    checker.playThrough(game);
    if (checker.stopped()) {
      error = refusal(path, checker.outcome());
      return false;
    }
  }
  file_.clear();
  if (!file_.seekg(0)) {
    error = "vantorix: cannot read the recording " + path + " again from its start";
    return false;
  }
  reader_.emplace(file_);
  player_.emplace(*reader_, ScriptPlayer::Checks::kDigests);
  return true;
}

int Replay::finish() const {
  const ScriptOutcome& outcome = player_->outcome();
  if (outcome.kind == ScriptOutcome::Kind::kMalformed) {
    std::fprintf(stderr, "%s\n", refusal(path_, outcome).c_str());
  } else if (outcome.kind == ScriptOutcome::Kind::kDiffers) {
    std::fprintf(stderr, "vantorix: %s:%ld: %s\n", path_.c_str(), outcome.line,
                 outcome.message.c_str());
  }
  return outcome.exitStatus();
}

}  // namespace vantorix::sdl
