#include <gtest/gtest.h>

#include <string_view>

#include "app/sdl/menu.h"
#include "app/sdl/menu_glyphs.h"

namespace vantorix::sdl {
namespace {

TEST(SdlMenuGlyphs, EveryGlyphIsTwelveByTwelveInkAndBackground) {
  for (const Glyph& glyph : menuGlyphs()) {
    int ink = 0;
    for (std::string_view row : glyph.rows) {
      ASSERT_EQ(row.size(), static_cast<std::size_t>(kGlyphSize))
          << static_cast<unsigned>(glyph.codePoint);
      for (char dot : row) {
        ASSERT_TRUE(dot == '#' || dot == '.') << static_cast<unsigned>(glyph.codePoint);
        ink += dot == '#';
      }
    }
    EXPECT_GT(ink, 8) << static_cast<unsigned>(glyph.codePoint);
  }
}

TEST(SdlMenuGlyphs, EveryCharacterOfTheMenuHasAGlyph) {
  std::vector<std::string_view> texts{menuTitle()};
  for (const MenuItem& item : menuItems())
    texts.push_back(item.text);
  for (std::string_view text : texts) {
    for (std::size_t at = 0; at < text.size();) {
      const char32_t codePoint = nextCodePoint(text, at);
      EXPECT_NE(findGlyph(codePoint), nullptr) << text << " " << static_cast<unsigned>(codePoint);
    }
  }
  EXPECT_EQ(textWidth(menuTitle()), 3 * kGlyphAdvance - 1);
  // The texts fit the places they are drawn in.
  EXPECT_LE(textWidth(menuTitle()), menuTitleRect().width);
}

TEST(SdlMenuGlyphs, Utf8Decoding) {
  const struct {
    std::string_view text;
    std::vector<char32_t> codePoints;
  } cases[] = {
      {"A", {U'A'}},
      {"ゲーム", {U'ゲ', U'ー', U'ム'}},
      {"\xc3\xa9", {U'é'}},
      {"\xf0\x9f\x98\x80", {U'\U0001F600'}},
      {"\xe3\x82", {0xFFFD, 0xFFFD}},  // cut short
      {"\x80"
       "A",
       {0xFFFD, U'A'}},                // a lone continuation byte
      {"\xc0\xaf", {0xFFFD, 0xFFFD}},  // an overlong lead
      {"\xe3"
       "AB",
       {0xFFFD, U'A', U'B'}},  // a lead without its followers
  };
  for (const auto& c : cases) {
    std::vector<char32_t> decoded;
    for (std::size_t at = 0; at < c.text.size();)
      decoded.push_back(nextCodePoint(c.text, at));
    EXPECT_EQ(decoded, c.codePoints) << c.text;
  }
}

}  // namespace
}  // namespace vantorix::sdl
