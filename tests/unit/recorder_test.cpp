// The recorder through the recorded game: the lines a session writes, with
// the tick runs split at the messages and answers that come between them.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/recorded_game.h"
#include "game/digest.h"

namespace vantorix {
namespace {

class Lines final : public RecordingSink {
 public:
  // The header's comments are left out.
  void addLine(std::string_view line) override {
    if (!line.starts_with("# ")) lines.emplace_back(line);
  }
  void replaceLastLine(std::string_view line) override { lines.back() = line; }
  std::vector<std::string> lines;
};

// Answers boxes from a queue; `inside` runs while a box is open, as the
// messages a modal loop delivers.
class BoxPlatform final : public Platform {
 public:
  void startGameTimer() override {}
  void stopGameTimer() override {}
  void invalidate() override {}
  void postQuit(int) override {}
  int showMessageBox(std::string_view, std::string_view, BoxButtons) override {
    if (inside) std::exchange(inside, nullptr)();
    const int answer = answers.empty() ? kIdOk : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  std::deque<int> answers;
  std::function<void()> inside;
};

std::string digestLine(const GameState& s) {
  char hex[17];
  formatDigest(digest(s), hex);
  return std::string("#> digest ") + hex;
}

struct Session {
  BoxPlatform platform;
  Lines sink;
  RecordedGame game{platform, &sink};
  void ticks(int n) {
    for (int i = 0; i < n; ++i)
      game.timer();
  }
};

TEST(Recorder, WritesWhatTheGameWasDeliveredWithAnswersAheadOfTheirMessages) {
  Session s;
  s.game.command(302);
  s.ticks(3);
  s.game.keyDown(37);
  s.game.keyDown(0x141);
  s.ticks(2);
  const std::string beforeQuit = digestLine(s.game.state());
  s.platform.answers = {kIdYes};
  s.game.command(303);
  s.game.keyDown(37);  // after the quit: nothing more is written
  EXPECT_EQ(s.sink.lines, (std::vector<std::string>{"answer ok", "command 302", "tick 3",
                                                    "key left", "key 321", "tick 2", "digest",
                                                    beforeQuit, "answer yes", "command 303"}));
}

TEST(Recorder, DigestsEvery64TicksAndTicksBehindABoxComeFirst) {
  Session s;
  s.platform.inside = [&] { s.ticks(130); };
  s.game.command(302);
  ASSERT_EQ(s.sink.lines.size(), 9u);
  EXPECT_EQ(s.sink.lines[0], "tick 64");
  EXPECT_EQ(s.sink.lines[1], "digest");
  EXPECT_EQ(s.sink.lines[3], "tick 64");
  Session plain;
  plain.ticks(128);
  EXPECT_EQ(s.sink.lines[5], digestLine(plain.game.state()));
  EXPECT_EQ(s.sink.lines[6], "tick 2");
  EXPECT_EQ(s.sink.lines[7], "answer ok");
  EXPECT_EQ(s.sink.lines[8], "command 302");
}

TEST(Recorder, ATickThatOpensBoxesStandsAloneBehindTheirAnswers) {
  Session s;
  s.game.command(302);
  s.ticks(2);
  s.game.state().gameOverMark = -30;  // the last life is gone: this tick loses
  s.platform.answers = {kIdOk, kIdYes};
  s.ticks(3);
  EXPECT_EQ(s.sink.lines, (std::vector<std::string>{"answer ok", "command 302", "tick 2",
                                                    "answer ok yes", "tick 1", "tick 2"}));
}

TEST(Recorder, TheWindowClosedInsideABoxEndsTheRecordingOnceTheBoxGivesUp) {
  Session s;
  s.game.command(302);
  s.platform.inside = [&] { s.game.destroy(); };
  s.platform.answers = {kIdNo};
  s.game.command(303);
  const std::string atClose = digestLine(s.game.state());
  s.game.timer();  // the window is gone: nothing more is written
  const std::vector<std::string> expected{"answer ok", "command 302", "answer no", "command 303",
                                          "digest",    atClose,       "close"};
  EXPECT_EQ(s.sink.lines, expected);
}

}  // namespace
}  // namespace vantorix
