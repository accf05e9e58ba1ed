#include "tools/spritegen/tokens.h"

#include <charconv>

#include "render/utf8.h"

namespace vantorix::spritegen {

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::optional<std::vector<std::string>> splitWords(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (isBlank(line[i])) {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    if (line[i] == '"') {
      end = line.find('"', i + 1);
      if (end == std::string_view::npos) return std::nullopt;
      ++end;
    } else {
      while (end < line.size() && !isBlank(line[end]))
        ++end;
    }
    words.emplace_back(line.substr(i, end - i));
    i = end;
  }
  return words;
}

std::optional<int> parseInt(std::string_view word, int low, int high) {
  int value = 0;
  const char* first = word.data();
  const char* last = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (word.empty() || ec != std::errc() || ptr != last || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

namespace {

std::optional<std::uint8_t> hexByte(std::string_view two) {
  unsigned value = 0;
  const auto [ptr, ec] = std::from_chars(two.data(), two.data() + 2, value, 16);
  if (ec != std::errc() || ptr != two.data() + 2) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

}  // namespace

std::optional<Rgb> parseHexColour(std::string_view word) {
  if (word.size() != 6) return std::nullopt;
  const auto r = hexByte(word.substr(0, 2));
  const auto g = hexByte(word.substr(2, 2));
  const auto b = hexByte(word.substr(4, 2));
  if (!r || !g || !b) return std::nullopt;
  return Rgb{*r, *g, *b};
}

std::optional<std::u32string> decodeUtf8(std::string_view text) {
  std::u32string out;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char next = nextUtf8(text, at);
    if (!next.valid) return std::nullopt;
    out.push_back(next.codePoint);
  }
  return out;
}

bool isColourName(std::string_view word) {
  if (word.empty() || word[0] < 'a' || word[0] > 'z') return false;
  for (const char c : word) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

}  // namespace vantorix::spritegen
