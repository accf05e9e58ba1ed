#include "script/script_lines.h"

#include "script/excerpt.h"

namespace vantorix {

int LineReader::nextByte() {
  using Traits = std::char_traits<char>;
  if (in_ != nullptr) {
    const Traits::int_type c = in_->sbumpc();
    return Traits::eq_int_type(c, Traits::eof()) ? -1 : static_cast<unsigned char>(c);
  }
  if (held_.empty()) return -1;
  const char byte = held_.front();
  held_.remove_prefix(1);
  return static_cast<unsigned char>(byte);
}

ScriptLine LineReader::nextLine() {
  if (ended_ || !readable_) return {};
  const long number = ++number_;
  std::size_t size = 0;
  for (;;) {
    const int c = nextByte();
    if (c < 0) {
      ended_ = true;
      if (size == 0) return {};
      break;
    }
    const auto byte = static_cast<char>(c);
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
