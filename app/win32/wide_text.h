// UTF-8 texts turned into the UTF-16 the wide Windows functions take, in a
// buffer of fixed size: the game's texts are short and known in advance.
#pragma once

#include <array>
#include <string_view>

namespace vantorix::win32 {

class WideText {
 public:
  static constexpr int kCapacity = 256;  // UTF-16 units, the terminator included

  // A text longer than the buffer is cut short; a text that is not valid
  // UTF-8 shows replacement characters where it is broken.
  explicit WideText(std::string_view utf8);

  const wchar_t* c_str() const { return units_.data(); }

 private:
  std::array<wchar_t, kCapacity> units_{};
};

}  // namespace vantorix::win32
