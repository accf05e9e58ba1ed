#include "render/lettering.h"

#include "render/utf8.h"

namespace vantorix {

const LetterGlyph* findGlyph(char32_t codePoint) {
  for (const LetterGlyph& glyph : lettering().glyphs) {
    if (glyph.codePoint == codePoint) return &glyph;
  }
  return nullptr;
}

int glyphWidth(const LetterGlyph* glyph) {
  return glyph != nullptr ? glyph->width : lettering().height / 2;
}

int textWidth(std::string_view text) {
  const int spacing = lettering().spacing;
  int width = 0;
  for (std::size_t at = 0; at < text.size();)
    width += glyphWidth(findGlyph(nextUtf8(text, at).codePoint)) + spacing;
  return width > 0 ? width - spacing : 0;
}

}  // namespace vantorix
