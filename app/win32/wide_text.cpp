#include "app/win32/wide_text.h"

#include <algorithm>
#include <cstddef>

#include "app/win32/windows_api.h"

namespace vantorix::win32 {

WideText::WideText(std::string_view utf8) {
  // A UTF-8 text never needs more UTF-16 units than it has bytes, so taking
  // at most kCapacity - 1 bytes always fits and leaves room for the terminator.
  const std::size_t bytes = std::min(utf8.size(), static_cast<std::size_t>(kCapacity - 1));
  const int written = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(bytes),
                                          units_.data(), kCapacity - 1);
  units_[static_cast<std::size_t>(std::max(written, 0))] = L'\0';
}

}  // namespace vantorix::win32
