// The menu's own lettering: one 12 x 12 picture for each character of the
// menu texts, so the program needs no font to draw its menu.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace vantorix::sdl {

inline constexpr int kGlyphSize = 12;
inline constexpr int kGlyphAdvance = kGlyphSize + 1;  // one blank column between

struct Glyph {
  char32_t codePoint;
  // Top row first; '#' is ink, '.' is background.
  std::array<std::string_view, kGlyphSize> rows;
};

std::span<const Glyph> menuGlyphs();
// The picture of a character, or nullptr for one the menu never shows.
const Glyph* findGlyph(char32_t codePoint);

// The next character of UTF-8 text at `at`, which moves past it; U+FFFD for
// a malformed sequence (one byte is skipped).
char32_t nextCodePoint(std::string_view text, std::size_t& at);

// The width of a text drawn with these glyphs.
int textWidth(std::string_view text);

}  // namespace vantorix::sdl
