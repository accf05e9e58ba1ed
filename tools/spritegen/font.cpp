#include "tools/spritegen/font.h"

#include "tools/spritegen/source_error.h"
#include "tools/spritegen/tokens.h"

namespace vantorix::spritegen {

int Font::textWidth(const std::u32string& text) const {
  int width = 0;
  for (const char32_t c : text)
    width += glyphs.at(c).width;
  return width + spacing * (static_cast<int>(text.size()) - 1);
}

namespace {

constexpr int kMaxGlyphSide = 64;

[[noreturn]] void fail(const std::string& file, int line, const std::string& message) {
  throw SourceError(file, line, message);
}

// The code point a 'glyph' line names: one character, or the word "space".
char32_t glyphName(const std::string& word, const std::string& file, int line) {
  if (word == "space") return U' ';
  const auto decoded = decodeUtf8(word);
  if (!decoded || decoded->size() != 1) {
    fail(file, line, "a glyph is named by one character or 'space', not '" + word + "'");
  }
  return (*decoded)[0];
}

}  // namespace

Font parseFont(std::string_view text, const std::string& file) {
  const std::vector<std::string> lines = splitLines(text);
  Font font;
  std::size_t next = 0;
  while (next < lines.size()) {
    const int line = static_cast<int>(next) + 1;
    const auto words = splitWords(lines[next++]);
    if (!words) fail(file, line, "a quoted text has no closing '\"'");
    if (words->empty() || (*words)[0][0] == '#') continue;
    const std::string& name = (*words)[0];
    if (name == "height" || name == "spacing") {
      const auto value = words->size() == 2
                             ? parseInt((*words)[1], name == "height" ? 1 : 0, kMaxGlyphSide)
                             : std::nullopt;
      if (!value) fail(file, line, "expected '" + name + " N' with N up to 64");
      (name == "height" ? font.height : font.spacing) = *value;
      continue;
    }
    if (name != "glyph" || words->size() != 2)
      fail(file, line, "expected 'glyph CHAR', 'height' or 'spacing'");
    if (font.height == 0) fail(file, line, "'height N' must come before the first glyph");
    const char32_t code = glyphName((*words)[1], file, line);
    if (font.glyphs.contains(code))
      fail(file, line, "glyph '" + (*words)[1] + "' is defined twice");
    Glyph glyph{0, {}};
    while (true) {
      if (next >= lines.size()) fail(file, line, "the glyph has no 'end' line");
      const int rowLine = static_cast<int>(next) + 1;
      const std::string& row = lines[next++];
      if (row == "end") break;
      if (row.empty() || row.size() > kMaxGlyphSide ||
          row.find_first_not_of("#.") != std::string::npos) {
        fail(file, rowLine, "a glyph row is 1 to 64 of '#' (ink) and '.' (paper)");
      }
      if (!glyph.rows.empty() && row.size() != glyph.rows[0].size()) {
        fail(file, rowLine, "this row is not as wide as the glyph's first row");
      }
      glyph.rows.push_back(row);
    }
    if (static_cast<int>(glyph.rows.size()) != font.height) {
      fail(file, line,
           "the glyph has " + std::to_string(glyph.rows.size()) + " rows, the font " +
               std::to_string(font.height));
    }
    glyph.width = static_cast<int>(glyph.rows[0].size());
    font.glyphs.emplace(code, std::move(glyph));
  }
  if (font.glyphs.empty()) fail(file, 0, "the font has no glyphs");
  return font;
}

}  // namespace vantorix::spritegen
