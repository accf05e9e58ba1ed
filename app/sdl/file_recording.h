// A recording written to a file as the session goes: every line is on disk
// as soon as it is made, so a session killed midway leaves at worst its last
// line cut short.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "app/recorder.h"

namespace vantorix::sdl {

class FileRecording final : public RecordingSink {
 public:
  // False, with the reason in `error`, when the file cannot be made.
  bool open(const std::string& path, std::string& error);

  void addLine(std::string_view line) override;
  void replaceLastLine(std::string_view line) override;

 private:
  void write(std::string_view line);

  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::string path_;
  long lastLineAt_ = 0;
  std::size_t lastLineSize_ = 0;
  bool failed_ = false;
};

}  // namespace vantorix::sdl
