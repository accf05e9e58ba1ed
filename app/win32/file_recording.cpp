#include "app/win32/file_recording.h"

#include "app/win32/error_box.h"

namespace vantorix::win32 {

FileRecording::~FileRecording() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool FileRecording::open(const std::wstring& path, std::string& error) {
  path_ = narrowed(path);
  // Others may read along, none may write: a second recorder is refused
  // here, before the file is emptied under the first.
  file_ = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file_ == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    error = code == ERROR_SHARING_VIOLATION
                ? "vantorix: cannot record into " + path_ + ": another program is recording into it"
                : "vantorix: cannot write the recording " + path_ + ": " + systemMessage(code);
    return false;
  }
  onDisk_ = GetFileType(file_) == FILE_TYPE_DISK;
  return true;
}

bool FileRecording::addLine(std::string_view line) {
  if (file_ == INVALID_HANDLE_VALUE || failed_) return false;
  pending_.assign(line);
  pending_ += '\n';
  std::size_t done = 0;
  DWORD code = ERROR_WRITE_FAULT;
  while (done < pending_.size()) {
    DWORD written = 0;
    const auto left = static_cast<DWORD>(pending_.size() - done);
    if (!WriteFile(file_, pending_.data() + done, left, &written, nullptr)) {
      code = GetLastError();
      break;
    }
    if (written == 0) break;
    done += written;
  }
  if (done == pending_.size()) {
    wholeBytes_ += static_cast<long long>(done);
    return true;
  }
  failed_ = true;
  problem_ = "vantorix: cannot write the recording " + path_ + ": " + systemMessage(code);
  // What was cut short goes: the file ends with its last whole line.
  if (onDisk_ && done > 0) {
    LARGE_INTEGER whole{};
    whole.QuadPart = wholeBytes_;
    if (!SetFilePointerEx(file_, whole, nullptr, FILE_BEGIN) || !SetEndOfFile(file_)) {
      problem_ += "; it could not be cut back to its last whole line";
    }
  }
  return false;
}

}  // namespace vantorix::win32
