// Reading UTF-8 text one character at a time, strictly: overlong forms,
// surrogates and values beyond U+10FFFF are faults, as are cut-short
// sequences. Shared by the program's lettering and the sprite generator.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantorix {

struct Utf8Char {
  char32_t codePoint;  // U+FFFD when not valid
  bool valid;
};

// The character at `at`, which moves past it; a fault moves past one byte.
constexpr Utf8Char nextUtf8(std::string_view text, std::size_t& at) {
  constexpr Utf8Char kFault{0xFFFD, false};
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t extra = 0;
  char32_t value = lead;
  if (lead < 0x80) {
    ++at;
    return {value, true};
  }
  if ((lead & 0xE0u) == 0xC0u) {
    extra = 1;
    value = lead & 0x1Fu;
  } else if ((lead & 0xF0u) == 0xE0u) {
    extra = 2;
    value = lead & 0x0Fu;
  } else if ((lead & 0xF8u) == 0xF0u) {
    extra = 3;
    value = lead & 0x07u;
  } else {
    ++at;
    return kFault;
  }
  if (at + extra >= text.size()) {
    ++at;
    return kFault;
  }
  for (std::size_t i = 1; i <= extra; ++i) {
    const unsigned char next = byte(at + i);
    if ((next & 0xC0u) != 0x80u) {
      ++at;
      return kFault;
    }
    value = (value << 6) | (next & 0x3Fu);
  }
  constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++at;
    return kFault;
  }
  at += extra + 1;
  return {value, true};
}

}  // namespace vantorix
