#include "app/win32/error_box.h"

#include "app/win32/windows_api.h"

namespace vantorix::win32 {

std::wstring widened(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
  if (units > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), units);
  return text;
}

std::string narrowed(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = static_cast<int>(utf16.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0)
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, text.data(), bytes, nullptr, nullptr);
  return text;
}

std::string systemMessage(unsigned long code) {
  LPWSTR words = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<LPWSTR>(&words), 0, nullptr);
  std::string text = length > 0 ? narrowed({words, length}) : "error " + std::to_string(code);
  if (words != nullptr) LocalFree(words);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  return text;
}

unsigned boxFlags(BoxButtons buttons) {
  return buttons == BoxButtons::kYesNo ? MB_YESNO : MB_OK;
}

void showError(std::string_view utf8) {
  const std::wstring text = widened(utf8);
  const std::wstring caption(kErrorCaption);
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace vantorix::win32
