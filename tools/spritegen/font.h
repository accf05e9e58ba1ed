// A pixel font: every glyph a grid of '#' (ink) and '.' (paper), all of one
// height, each as wide as its own rows.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vantorix::spritegen {

struct Glyph {
  int width;
  std::vector<std::string> rows;
};

struct Font {
  int height = 0;
  int spacing = 1;  // paper columns between two glyphs
  std::map<char32_t, Glyph> glyphs;

  // Width in font pixels of a line of text; every code point must have a glyph.
  int textWidth(const std::u32string& text) const;
};

// Throws SourceError naming the file and line of the first fault.
Font parseFont(std::string_view text, const std::string& file);

}  // namespace vantorix::spritegen
