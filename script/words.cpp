#include "script/words.h"

#include <array>
#include <utility>

#include "game/box_answers.h"
#include "game/keyboard.h"

namespace vantorix {

namespace {

using Word = std::pair<int, std::string_view>;

constexpr std::array<Word, 5> kKeys{{
    {kVkSpace, "space"},
    {kVkLeft, "left"},
    {kVkUp, "up"},
    {kVkRight, "right"},
    {kVkDown, "down"},
}};

constexpr std::array<Word, 3> kAnswers{{{kIdOk, "ok"}, {kIdYes, "yes"}, {kIdNo, "no"}}};

template <std::size_t N>
std::string_view wordOf(const std::array<Word, N>& words, int value) {
  for (const auto& [number, word] : words) {
    if (number == value) return word;
  }
  return {};
}

template <std::size_t N>
std::optional<int> valueOf(const std::array<Word, N>& words, std::string_view word) {
  for (const auto& [number, name] : words) {
    if (name == word) return number;
  }
  return std::nullopt;
}

}  // namespace

std::string_view keyWord(int virtualKey) {
  return wordOf(kKeys, virtualKey);
}

std::optional<int> keyOfWord(std::string_view word) {
  return valueOf(kKeys, word);
}

std::string_view answerWord(int answer) {
  return wordOf(kAnswers, answer);
}

std::optional<int> answerOfWord(std::string_view word) {
  return valueOf(kAnswers, word);
}

}  // namespace vantorix
