// The words a script names keys and box answers by: the script reader reads
// them, the recorder and the planner write them.
#pragma once

#include <optional>
#include <string_view>

namespace vantorix {

// "space", "left", "up", "right", "down", or empty for any other key.
std::string_view keyWord(int virtualKey);
std::optional<int> keyOfWord(std::string_view word);

// "ok", "yes", "no", or empty for any other answer.
std::string_view answerWord(int answer);
std::optional<int> answerOfWord(std::string_view word);

// The answer of a box that was open when the window was closed: a replay
// closes the window there, and the box gives up as it did.
inline constexpr std::string_view kWindowClosedWord = "close";

}  // namespace vantorix
