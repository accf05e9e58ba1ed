// A recording written to a file as the session goes, appended line by line,
// so it works as well into a pipe or /dev/stdout. Every whole line is in the
// file as soon as the recorder hands it over; a line that cannot be written
// whole is cut off again where the file allows it, and nothing more is
// written. A file being recorded is locked: a second program recording into
// it is refused instead of mixing its lines in.
#pragma once

#include <string>
#include <string_view>

#include "script/recorder.h"

namespace vantorix::sdl {

// The exit status of a session whose recording could not be written whole.
inline constexpr int kRecordingFailedExit = 4;

class FileRecording final : public RecordingSink {
 public:
  FileRecording() = default;
  FileRecording(const FileRecording&) = delete;
  FileRecording& operator=(const FileRecording&) = delete;
  ~FileRecording();

  // False, with one line in `error`, when the file cannot be made or another
  // program is recording into it.
  bool open(const std::string& path, std::string& error);

  bool addLine(std::string_view line) override;
  // True once a line could not be written (said once on standard error).
  bool failed() const { return failed_; }

 private:
  int fd_ = -1;
  bool regular_ = false;      // a file that can be cut back, not a pipe or a device
  long long wholeBytes_ = 0;  // written so far, all of them whole lines
  std::string pending_;       // the line being written, with its line end
  std::string path_;
  bool failed_ = false;
};

}  // namespace vantorix::sdl
