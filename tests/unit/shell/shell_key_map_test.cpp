#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/shell/key_map.h"

namespace vantorix::shell {
namespace {

TEST(ShellKeyMap, EachPlaceGivesTheCodeWindowsGivesIt) {
  const struct {
    int usage;
    std::string_view domCode;
    int virtualKey;
  } cases[] = {
      {0x04, "KeyA", 65},
      {0x3A, "F1", 112},
      {0xE1, "ShiftLeft", 16},
      {0xE5, "ShiftRight", 16},
      {0xE6, "AltRight", 18},
      {0x22, "Digit5", 53},
      {0x5D, "Numpad5", 101},
      {0x29, "Escape", 27},
      {0x2B, "Tab", 9},
      {0x28, "Enter", 13},
      {0x58, "NumpadEnter", 13},
      {0x4F, "ArrowRight", 39},
      {0x89, "IntlYen", 220},
      // Keys Windows has no code for: every shell drops them.
      {0x00, "", 0},
      {0x66, "Power", 0},
      {0x67, "NumpadEqual", 0},
      {-1, "keya", 0},
      {0x10004, "Fn", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(virtualKeyOfUsage(c.usage), c.virtualKey) << c.domCode;
    EXPECT_EQ(virtualKeyOfDomCode(c.domCode), c.virtualKey) << c.domCode;
  }
}

// The runs of the table against the two numberings' own arithmetic.
TEST(ShellKeyMap, LettersDigitsFunctionKeysAndKeypadDigitsRunInOrder) {
  const auto expectKey = [](const std::string& domCode, int usage, int virtualKey) {
    EXPECT_EQ(virtualKeyOfUsage(usage), virtualKey) << domCode;
    EXPECT_EQ(virtualKeyOfDomCode(domCode), virtualKey) << domCode;
  };
  for (int i = 0; i < 26; ++i)
    expectKey(std::string("Key") + static_cast<char>('A' + i), 0x04 + i, 'A' + i);
  // Both rows run from 1 to 9, then 0.
  for (int digit = 0; digit <= 9; ++digit) {
    const int place = (digit + 9) % 10;
    expectKey("Digit" + std::to_string(digit), 0x1E + place, '0' + digit);
    expectKey("Numpad" + std::to_string(digit), 0x59 + place, 0x60 + digit);
  }
  for (int n = 1; n <= 24; ++n)
    expectKey("F" + std::to_string(n), n <= 12 ? 0x3A + n - 1 : 0x68 + n - 13, 0x70 + n - 1);
}

TEST(ShellKeyMap, EachKeyIsInTheTableOnceWithACode) {
  std::set<int> usages;
  std::set<std::string_view> names;
  for (const KeyPlace& key : kKeyPlaces) {
    EXPECT_TRUE(usages.insert(key.usage).second) << key.domCode;
    EXPECT_TRUE(names.insert(key.domCode).second) << key.domCode;
    EXPECT_GT(key.virtualKey, 0) << key.domCode;
    EXPECT_LT(key.virtualKey, 0xFF) << key.domCode;
  }
}

}  // namespace
}  // namespace vantorix::shell
