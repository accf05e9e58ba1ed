#include "script/script_lines.h"

#include "script/excerpt.h"

namespace vantorix {

ScriptLine LineReader::nextLine() {
  using Traits = std::char_traits<char>;
  if (ended_ || in_ == nullptr) return {};
  const long number = ++number_;
  std::size_t size = 0;
  for (;;) {
    const Traits::int_type c = in_->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      ended_ = true;
      if (size == 0) return {};
      break;
    }
    const char byte = Traits::to_char_type(c);
    if (byte == '\n') break;
    if (size == text_.size()) return tooLong(number);
    text_[size++] = byte;
  }
  if (size > 0 && text_[size - 1] == '\r') --size;
  if (size > kMaxLineBytes) return tooLong(number);
  return {ScriptLine::Kind::kText, std::string_view(text_.data(), size), number, {}};
}

ScriptLine LineReader::tooLong(long number) {
  ended_ = true;
  return {ScriptLine::Kind::kFault,
          {},
          number,
          "longer than " + std::to_string(kMaxLineBytes) +
              " bytes: " + quotedWord(std::string_view(text_.data(), text_.size()))};
}

}  // namespace vantorix
