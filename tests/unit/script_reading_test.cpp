// Reading a script from a stream: line ends, the line limit, and how a bad
// piece of the input is shown in an error line.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "script/excerpt.h"
#include "script/script_lines.h"

namespace vantorix {
namespace {

// Every line read, from a stream or in place, as "N:text", and a fault as
// "N!fault".
std::vector<std::string> readAll(const std::string& input, bool inPlace) {
  std::istringstream in(input);
  LineReader streamed(in);
  LineReader held(input);
  LineReader& reader = inPlace ? held : streamed;
  std::vector<std::string> read;
  for (ScriptLine line = reader.nextLine(); line.kind != ScriptLine::Kind::kEnd;
       line = reader.nextLine()) {
    const bool fault = line.kind == ScriptLine::Kind::kFault;
    read.push_back(std::to_string(line.number) +
                   (fault ? "!" + line.fault : ":" + std::string(line.text)));
  }
  return read;
}

TEST(LineReader, SplitsLinesAndRefusesOneTooLong) {
  const std::string longest(kMaxLineBytes, 'x');
  const std::string tooLong = longest + "y";
  const std::string tooLongFault =
      "longer than 4096 bytes: \"" + std::string(kExcerptBytes, 'x') + "…\"";
  const struct {
    const char* what;
    std::string input;
    std::vector<std::string> read;
  } cases[] = {
      {"LF", "tick 1\nkey left\n", {"1:tick 1", "2:key left"}},
      {"CRLF", "tick 1\r\nkey left\r\n", {"1:tick 1", "2:key left"}},
      {"no line end at the end", "tick 1\nkey left", {"1:tick 1", "2:key left"}},
      {"CR of a last line", "tick 1\r", {"1:tick 1"}},
      {"blank lines count", "\n\r\n\nget x", {"1:", "2:", "3:", "4:get x"}},
      {"nothing", "", {}},
      {"the longest line", longest + "\r\n", {"1:" + longest}},
      {"the longest last line", longest, {"1:" + longest}},
      {"one byte more", "tick\n" + tooLong + "\ntick\n", {"1:tick", "2!" + tooLongFault}},
      {"one byte more, last", tooLong, {"1!" + tooLongFault}},
      {"a CR within", "ti\rck\n", {"1:ti\rck"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readAll(c.input, false), c.read) << c.what;
    EXPECT_EQ(readAll(c.input, true), c.read) << c.what << ", in place";
  }
}

TEST(LineReader, StopsAtAnEndlessLineAfterReadingItsLimit) {
  std::istringstream endless(std::string(1 << 20, '\0'));
  LineReader reader(endless);
  EXPECT_EQ(reader.nextLine().kind, ScriptLine::Kind::kFault);
  EXPECT_EQ(endless.tellg(), static_cast<std::streamoff>(kMaxLineBytes + 2));
  EXPECT_EQ(reader.nextLine().kind, ScriptLine::Kind::kEnd);
}

TEST(Excerpt, ShowsAShortHarmlessPiece) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"frobnicate", "frobnicate"},
      {"ゲーム", "ゲーム"},
      {"\x1b[2J\x7f\t", "\\x1b[2J\\x7f\\x09"},
      {"\xff\xe3\x81", "\\xff\\xe3\\x81"},  // no UTF-8, cut-short UTF-8
      {"\xc2\x9b"
       "31m",
       "\\xc2\\x9b31m"},           // a control character beyond ASCII
      {"\xc0\xaf", "\\xc0\\xaf"},  // overlong
      {"a\\x41", "a\\\\x41"},      // a backslash stays unambiguous
      {std::string(40, 'x'), std::string(32, 'x') + "…"},
      {std::string(31, 'x') + "あ", std::string(31, 'x') + "…"},  // never a character cut
      {std::string(29, 'x') + "あ", std::string(29, 'x') + "あ"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(excerpt(c.text), c.shown) << c.text;
  EXPECT_EQ(quotedWord(std::string(10'000'000, '\x01')).size(),
            2 + 32 * 4 + std::string("…").size());
}

}  // namespace
}  // namespace vantorix
