#include "app/win32/options.h"

#include <vector>

#include "app/win32/windows_api.h"
// After <windows.h>, which the lean build keeps from including it.
#include <shellapi.h>

namespace vantorix::win32 {

bool parseOptions(std::span<const std::wstring_view> arguments, Options& options) {
  options = Options{};
  if (arguments.empty()) return true;
  const std::wstring_view option = arguments[0];
  if (option != L"--record" && option != L"--replay") return false;
  if (arguments.size() != 2 || arguments[1].empty()) return false;
  options.mode = option == L"--record" ? Options::Mode::kRecord : Options::Mode::kReplay;
  options.file = arguments[1];
  return true;
}

bool readCommandLine(Options& options) {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return false;
  std::vector<std::wstring_view> arguments;
  for (int i = 1; i < count; ++i)
    arguments.emplace_back(words[i]);
  const bool known = parseOptions(arguments, options);
  LocalFree(words);
  return known;
}

}  // namespace vantorix::win32
