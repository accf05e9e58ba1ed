#include "script/excerpt.h"

#include "render/utf8.h"

namespace vantorix {

namespace {

bool isControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

void appendByte(std::string& text, char byte) {
  constexpr std::string_view kHex = "0123456789abcdef";
  const auto value = static_cast<unsigned char>(byte);
  text += "\\x";
  text += kHex[value >> 4];
  text += kHex[value & 0xFu];
}

}  // namespace

std::string excerpt(std::string_view text) {
  std::string shown;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t next = at;
    const Utf8Char c = nextUtf8(text, next);
    if (next > kExcerptBytes) break;
    if (!c.valid || isControl(c.codePoint)) {
      for (std::size_t i = at; i < next; ++i)
        appendByte(shown, text[i]);
    } else if (c.codePoint == '\\') {
      shown += "\\\\";
    } else {
      shown += text.substr(at, next - at);
    }
    at = next;
  }
  if (at < text.size()) shown += "…";
  return shown;
}

std::string quotedWord(std::string_view text) {
  // Built in place: g++ 12 at -O3 takes "\"" + std::string(...) for an
  // overlapping copy and stops the build (-Werror=restrict).
  std::string shown;
  shown += '"';
  shown += excerpt(text);
  shown += '"';
  return shown;
}

}  // namespace vantorix
