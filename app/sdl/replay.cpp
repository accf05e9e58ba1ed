#include "app/sdl/replay.h"

#include <cstdio>
#include <filesystem>

#include "app/headless_game.h"

namespace vantorix::sdl {

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
      error = checker.outcome().report(path);
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
  if (const std::string report = outcome.report(path_); !report.empty()) {
    std::fprintf(stderr, "%s\n", report.c_str());
  }
  return outcome.exitStatus();
}

}  // namespace vantorix::sdl
