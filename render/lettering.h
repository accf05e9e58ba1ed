// The program's own lettering: one pixel font, painted from
// resources/sprites/lettering.font, for the texts a shell draws itself (the
// SDL program's menu bar and message boxes), so no system font is needed.
#pragma once

#include <span>
#include <string_view>

namespace vantorix {

struct LetterGlyph {
  char32_t codePoint;
  int width;
  // The rows of the glyph, top first, each `width` dots; '#' is ink.
  std::string_view dots;

  bool inked(int column, int row) const {
    return dots[static_cast<std::size_t>(row * width + column)] == '#';
  }
};

struct Lettering {
  int height;
  int spacing;  // blank columns between two glyphs
  std::span<const LetterGlyph> glyphs;
};

const Lettering& lettering();

// The glyph of a character, or nullptr for one the lettering lacks.
const LetterGlyph* findGlyph(char32_t codePoint);

// The columns a glyph takes; nullptr, for a character without one, a blank
// half the height wide.
int glyphWidth(const LetterGlyph* glyph);

// The width in pixels of UTF-8 text, with the spacing between its glyphs.
int textWidth(std::string_view text);

}  // namespace vantorix
