#include "app/sdl/menu_glyphs.h"

namespace vantorix::sdl {

namespace {

constexpr std::array<Glyph, 7> kGlyphs{{
    {U'ゲ',
     {"..##....#.#.", "..#......#.#", ".##.........", ".##########.", "#......#....",
      ".......#....", ".......#....", "......#.....", "......#.....", ".....#......",
      "...##.......", "............"}},
    {U'ー',
     {"............", "............", "............", "............", "............",
      "############", "............", "............", "............", "............",
      "............", "............"}},
    {U'ム',
     {"....##......", "....#.......", "...##.......", "...#........", "..##........",
      "..#....##...", ".##.....#...", ".#.......#..", "##.......##.", "###########.",
      "..........#.", "............"}},
    {U'開',
     {"#####..#####", "#...#..#...#", "#####..#####", "#...#..#...#", "#####..#####",
      "#..........#", "#.########.#", "#...#..#...#", "#.########.#", "#...#..#...#",
      "#..#...#...#", "#.#....#..##"}},
    {U'始',
     {"..#.....#...", "..#....#....", ".#....#..#..", "#####.######", ".#..#.......",
      ".#.#..######", "..#...#....#", "..##..#....#", ".#..#.#....#", "#.....######",
      "............", "............"}},
    {U'終',
     {"..#.....#...", ".#.....#####", "#..#..#...#.", ".##....#.#..", ".#..#...#...",
      "#####..#.#..", "..#...#...##", "#.#.#...#...", "#.#.#....#..", "..#...#.....",
      "..#....#....", "............"}},
    {U'了',
     {".##########.", ".........#..", "........#...", ".......#....", "......#.....",
      ".....#......", ".....#......", ".....#......", ".....#......", ".....#......",
      "...###......", "............"}},
}};

}  // namespace

std::span<const Glyph> menuGlyphs() {
  return kGlyphs;
}

const Glyph* findGlyph(char32_t codePoint) {
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.codePoint == codePoint) return &glyph;
  }
  return nullptr;
}

char32_t nextCodePoint(std::string_view text, std::size_t& at) {
  constexpr char32_t kReplacement = 0xFFFD;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 1;
  char32_t value = lead;
  if (lead >= 0xF0 && lead < 0xF8) {
    length = 4;
    value = lead & 0x07u;
  } else if (lead >= 0xE0) {
    length = 3;
    value = lead & 0x0Fu;
  } else if (lead >= 0xC2) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0x80) {
    ++at;
    return kReplacement;
  }
  if (lead >= 0xF8 || at + length > text.size()) {
    ++at;
    return kReplacement;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(at + i);
    if ((next & 0xC0u) != 0x80u) {
      ++at;
      return kReplacement;
    }
    value = (value << 6) | (next & 0x3Fu);
  }
  at += length;
  return value;
}

int textWidth(std::string_view text) {
  int width = 0;
  for (std::size_t at = 0; at < text.size();) {
    nextCodePoint(text, at);
    width += kGlyphAdvance;
  }
  return width > 0 ? width - 1 : 0;
}

}  // namespace vantorix::sdl
