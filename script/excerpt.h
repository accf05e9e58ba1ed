// A piece of a script as an error line shows it: short, and harmless to the
// terminal whatever bytes the script holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantorix {

// Enough of a bad word or line to recognise it; a whole line may be
// kMaxLineBytes long, and its error line must stay one line.
inline constexpr std::size_t kExcerptBytes = 32;

// At most kExcerptBytes of `text`, never a character cut in two: valid UTF-8
// as it is, control characters and bytes that are no UTF-8 as \xNN, a
// backslash doubled, and an ellipsis when something was left out.
std::string excerpt(std::string_view text);

// The excerpt in double quotes: a word of the script in an error line.
std::string quotedWord(std::string_view text);

}  // namespace vantorix
