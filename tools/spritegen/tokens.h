// Splitting source lines into words and reading the words as numbers,
// colours and text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/spritegen/colour.h"

namespace vantorix::spritegen {

// The lines of a file, without their line ends ("\n" or "\r\n").
std::vector<std::string> splitLines(std::string_view text);

// Words separated by blanks; a word opening with '"' runs to the next '"' and
// keeps its quotes, so a quoted text may hold blanks. Nullopt if a quote is
// left open.
std::optional<std::vector<std::string>> splitWords(std::string_view line);

// A decimal integer within [low, high], or nullopt.
std::optional<int> parseInt(std::string_view word, int low, int high);

// Six hex digits RRGGBB, or nullopt.
std::optional<Rgb> parseHexColour(std::string_view word);

// The code points of UTF-8 text, or nullopt if it is not valid UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view text);

// True for a colour name: a lower-case letter, then letters, digits or '_'.
bool isColourName(std::string_view word);

}  // namespace vantorix::spritegen
