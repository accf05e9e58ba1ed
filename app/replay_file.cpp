#include "app/replay_file.h"

#include "app/headless_game.h"

namespace vantorix {

bool ReplayFile::open(const std::filesystem::path& path, const std::string& name,
                      std::string& error) {
  name_ = name;
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    error = "vantorix: cannot read the recording " + name + ": it is a directory";
    return false;
  }
  file_.open(path, std::ios::binary);
  if (!file_) {
    error = "vantorix: cannot read the recording " + name;
    return false;
  }
  // Read twice: a pipe, whose bytes are gone once read, cannot be.
  if (file_.tellg() < 0) {
    error = "vantorix: cannot replay " + name +
            ": it can be read only once (a pipe?); save it to a file first";
    return false;
  }
  {
    LineReader lines(file_);
    ScriptPlayer checker(lines, ScriptPlayer::Checks::kNone);
    HeadlessGame game(checker);
    checker.playThrough(game);
    if (checker.stopped()) {
      error = checker.outcome().report(name);
      return false;
    }
  }
  file_.clear();
  if (!file_.seekg(0)) {
    error = "vantorix: cannot read the recording " + name + " again from its start";
    return false;
  }
  reader_.emplace(file_);
  player_.emplace(*reader_, ScriptPlayer::Checks::kDigests);
  return true;
}

}  // namespace vantorix
