#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/texts.h"
#include "render/lettering.h"
#include "render/utf8.h"

namespace vantorix {
namespace {

TEST(Lettering, EveryCharacterOfEveryLetteredTextHasAGlyph) {
  for (std::string_view text : texts::kLettered) {
    for (std::size_t at = 0; at < text.size();) {
      const Utf8Char c = nextUtf8(text, at);
      ASSERT_TRUE(c.valid) << text;
      EXPECT_NE(findGlyph(c.codePoint), nullptr)
          << text << ": U+" << std::hex << static_cast<unsigned>(c.codePoint);
    }
  }
}

TEST(Lettering, TextWidthCountsGlyphsAndTheSpacingBetweenThem) {
  const Lettering& font = lettering();
  const LetterGlyph* ge = findGlyph(U'ゲ');
  ASSERT_NE(ge, nullptr);
  EXPECT_EQ(textWidth(""), 0);
  EXPECT_EQ(textWidth("ゲ"), ge->width);
  EXPECT_EQ(textWidth("ゲゲ"), 2 * ge->width + font.spacing);
  // A character the lettering lacks still takes its place.
  EXPECT_EQ(textWidth("\x01"), font.height / 2);
}

TEST(Utf8, DecodesStrictlyAndSkipsOneByteOfEachFault) {
  constexpr char32_t kFault = 0xFFFD;
  const struct {
    std::string_view text;
    std::vector<char32_t> codePoints;
  } cases[] = {
      {"A", {U'A'}},
      {"ゲーム", {U'ゲ', U'ー', U'ム'}},
      {"\xc3\xa9", {U'é'}},
      {"\xf0\x9f\x98\x80", {U'\U0001F600'}},
      {"\xe3\x82", {kFault, kFault}},  // cut short
      {"\x80"
       "A",
       {kFault, U'A'}},                            // a lone continuation byte
      {"\xc0\xaf", {kFault, kFault}},              // an overlong form
      {"\xed\xa0\x80", {kFault, kFault, kFault}},  // a surrogate
      {"\xe3"
       "AB",
       {kFault, U'A', U'B'}},  // a lead without its followers
  };
  for (const auto& c : cases) {
    std::vector<char32_t> decoded;
    for (std::size_t at = 0; at < c.text.size();) {
      const Utf8Char next = nextUtf8(c.text, at);
      EXPECT_EQ(next.valid, next.codePoint != kFault) << c.text;
      decoded.push_back(next.codePoint);
    }
    EXPECT_EQ(decoded, c.codePoints) << c.text;
  }
}

}  // namespace
}  // namespace vantorix
