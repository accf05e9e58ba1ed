#include "app/sdl/file_recording.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace vantorix::sdl {

FileRecording::~FileRecording() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileRecording::open(const std::string& path, std::string& error) {
  const auto cannot = [&](const char* reason) {
    error = "vantorix: cannot write the recording " + path + ": " + reason;
    return false;
  };
  // Not truncated yet: the file may be another program's recording.
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return cannot(std::strerror(errno));
  struct stat file {};
  if (::fstat(fd_, &file) != 0) return cannot(std::strerror(errno));
  regular_ = S_ISREG(file.st_mode);
  if (regular_) {
    // A file system without locks records unguarded.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
      error = "vantorix: cannot record into " + path + ": another program is recording into it";
      return false;
    }
    if (::ftruncate(fd_, 0) != 0) return cannot(std::strerror(errno));
  } else {
    // A reader of the pipe that goes away ends the recording, not the game.
    std::signal(SIGPIPE, SIG_IGN);
  }
  path_ = path;
  return true;
}

bool FileRecording::addLine(std::string_view line) {
  if (fd_ < 0 || failed_) return false;
  pending_.assign(line);
  pending_ += '\n';
  std::size_t done = 0;
  int problem = 0;
  while (done < pending_.size()) {
    const ssize_t written = ::write(fd_, pending_.data() + done, pending_.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      problem = written < 0 ? errno : EIO;
      break;
    }
    done += static_cast<std::size_t>(written);
  }
  if (done == pending_.size()) {
    wholeBytes_ += static_cast<long long>(done);
    return true;
  }
  failed_ = true;
  // What was cut short goes: the file ends with its last whole line.
  if (regular_ && done > 0 && ::ftruncate(fd_, static_cast<off_t>(wholeBytes_)) != 0) {
    std::fprintf(stderr, "vantorix: cannot cut the recording %s back to its last whole line: %s\n",
                 path_.c_str(), std::strerror(errno));
  }
  std::fprintf(stderr, "vantorix: cannot write the recording %s: %s\n", path_.c_str(),
               std::strerror(problem));
  return false;
}

}  // namespace vantorix::sdl
