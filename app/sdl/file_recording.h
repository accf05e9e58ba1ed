// A recording written to a file as the session goes, appended line by line:
// every line is on disk as soon as the recorder hands it over, so a session
// killed midway leaves at worst its last line cut short.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "script/recorder.h"

namespace vantorix::sdl {

class FileRecording final : public RecordingSink {
 public:
  // False, with the reason in `error`, when the file cannot be made.
  bool open(const std::string& path, std::string& error);

  bool addLine(std::string_view line) override;

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::string path_;
  bool failed_ = false;
};

}  // namespace vantorix::sdl
