#include "app/sdl/file_recording.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vantorix::sdl {

bool FileRecording::open(const std::string& path, std::string& error) {
  file_.reset(std::fopen(path.c_str(), "wb"));
  if (file_ == nullptr) {
    error = std::strerror(errno);
    return false;
  }
  path_ = path;
  return true;
}

void FileRecording::addLine(std::string_view line) {
  if (file_ == nullptr) return;
  std::fseek(file_.get(), 0, SEEK_END);
  lastLineAt_ = std::ftell(file_.get());
  lastLineSize_ = 0;
  write(line);
}

void FileRecording::replaceLastLine(std::string_view line) {
  if (file_ == nullptr) return;
  std::fseek(file_.get(), lastLineAt_, SEEK_SET);
  write(line);
}

void FileRecording::write(std::string_view line) {
  // A line never shrinks in place (a run of ticks only grows); should one,
  // blanks keep what was there from reading as part of it.
  std::size_t written = std::fwrite(line.data(), 1, line.size(), file_.get());
  for (std::size_t i = line.size(); i < lastLineSize_; ++i)
    written += std::fputc(' ', file_.get()) == ' ' ? 1 : 0;
  const bool ok = written == std::max(line.size(), lastLineSize_) &&
                  std::fputc('\n', file_.get()) == '\n' && std::fflush(file_.get()) == 0;
  lastLineSize_ = std::max(line.size(), lastLineSize_);
  if (!ok && !failed_) {
    failed_ = true;
    std::fprintf(stderr, "vantorix: cannot write the recording %s: %s\n", path_.c_str(),
                 std::strerror(errno));
  }
}

}  // namespace vantorix::sdl
