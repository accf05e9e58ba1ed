#include "app/sdl/file_recording.h"

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

bool FileRecording::addLine(std::string_view line) {
  if (file_ == nullptr || failed_) return false;
  const bool ok = std::fwrite(line.data(), 1, line.size(), file_.get()) == line.size() &&
                  std::fputc('\n', file_.get()) == '\n' && std::fflush(file_.get()) == 0;
  if (!ok) {
    failed_ = true;
    std::fprintf(stderr, "vantorix: cannot write the recording %s: %s\n", path_.c_str(),
                 std::strerror(errno));
  }
  return ok;
}

}  // namespace vantorix::sdl
