// A recording written to a file as the session goes, appended line by line:
// every whole line is in the file as soon as the recorder hands it over. A
// line that cannot be written whole is cut off again and nothing more is
// written. The file is shared for reading only while it is recorded, so a
// second program recording into it is refused instead of mixing its lines in.
#pragma once

#include <string>
#include <string_view>

#include "app/win32/windows_api.h"
#include "script/recorder.h"

namespace vantorix::win32 {

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
  bool open(const std::wstring& path, std::string& error);

  bool addLine(std::string_view line) override;
  // True once a line could not be written; `problem` then says why.
  bool failed() const { return failed_; }
  const std::string& problem() const { return problem_; }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool onDisk_ = false;       // a file that can be cut back, not a pipe or a device
  long long wholeBytes_ = 0;  // written so far, all of them whole lines
  std::string pending_;       // the line being written, with its line end
  std::string path_;          // UTF-8, for the messages
  std::string problem_;
  bool failed_ = false;
};

}  // namespace vantorix::win32
