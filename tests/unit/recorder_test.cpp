// The recorder through the recorded game: the lines a session writes, with
// the tick runs split at the messages and answers that come between them,
// and every way a session ends replayed by the player with each digest equal.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless_game.h"
#include "app/recorded_game.h"
#include "game/digest.h"

namespace vantorix {
namespace {

class Lines final : public RecordingSink {
 public:
  bool addLine(std::string_view line) override {
    all.emplace_back(line);
    if (!line.starts_with("# ")) lines.emplace_back(line);  // the header's comments left out
    return all.size() <= room;
  }
  std::vector<std::string> lines;
  std::vector<std::string> all;
  std::size_t room = 1000000;  // lines the sink takes before it fails
};

// Answers boxes from a queue, as a shell's modal loop would: `inside` runs
// while the next box is open, and once the window is gone every box gives up.
class BoxPlatform final : public Platform {
 public:
  void startGameTimer() override {}
  void stopGameTimer() override {}
  void invalidate() override {}
  void postQuit(int) override { quit = true; }
  int showMessageBox(std::string_view, std::string_view, BoxButtons buttons) override {
    if (inside) std::exchange(inside, nullptr)();
    if (quit || answers.empty()) return unansweredAnswer(buttons);
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<int> answers;
  std::function<void()> inside;
  bool quit = false;
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
  // The window closed while the next box is open.
  void closeAtNextBox() {
    platform.inside = [this] { game.destroy(); };
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
  s.game.keyDown(37);
  EXPECT_EQ(s.sink.lines,
            (std::vector<std::string>{"answer ok", "command 302", "tick 2", "answer ok yes",
                                      "tick 1", "tick 2", "key left"}));
}

TEST(Recorder, ARunOfTicksIsAppendedOnceTheNextLineComes) {
  Session s;
  s.game.command(302);
  s.ticks(5);
  EXPECT_EQ(s.sink.lines, (std::vector<std::string>{"answer ok", "command 302"}));
  EXPECT_EQ(s.game.recorder()->heldLine().view(), "tick 5");
  s.game.keyDown(32);
  EXPECT_EQ(s.sink.lines.back(), "key space");
  EXPECT_EQ(s.game.recorder()->heldLine().view(), "");
}

TEST(Recorder, StopsAtTheFirstLineTheSinkCannotTake) {
  Session s;
  s.sink.room = 4;  // the header, then two lines
  s.game.command(302);
  s.game.keyDown(37);
  EXPECT_TRUE(s.game.recordingFailed());
  EXPECT_EQ(s.sink.all.size(), 5u) << "nothing after the line that failed";
  s.game.keyDown(37);
  EXPECT_EQ(s.sink.all.size(), 5u);
}

// Counts the digests a replay checks.
class CountingGame final : public HeadlessGame {
 public:
  using HeadlessGame::HeadlessGame;
  void digestTaken(std::uint64_t) override { ++digests; }
  int digests = 0;
};

std::vector<std::string> maskedDigests(std::vector<std::string> lines) {
  for (std::string& line : lines) {
    if (line.starts_with("#> digest ")) line = "#> digest";
  }
  return lines;
}

// The session up to a running game with a digest behind it, in every ending.
void started(Session& s) {
  s.game.command(302);
  s.ticks(70);
}

TEST(Recorder, EveryWayASessionEndsReplaysWithEveryDigestEqual) {
  constexpr int kLossTick = 1409;  // a ship that stands still loses its last life here
  const struct {
    const char* ending;
    std::function<void(Session&)> play;
    std::vector<std::string> lastLines;
  } cases[] = {
      {"quit",
       [](Session& s) {
         started(s);
         s.platform.answers = {kIdYes};
         s.game.command(303);
       },
       {"digest", "#> digest", "answer yes", "command 303"}},
      {"window closed, no box open",
       [](Session& s) {
         started(s);
         s.ticks(3);
         s.game.destroy();
       },
       {"tick 9", "digest", "#> digest", "close"}},
      {"window closed at the start box, ticks behind it",
       [](Session& s) {
         started(s);
         s.platform.inside = [&s] {
           s.ticks(5);
           s.game.destroy();
         };
         s.game.command(302);
       },
       {"tick 11", "digest", "#> digest", "answer close", "command 302"}},
      {"window closed at the quit box",
       [](Session& s) {
         started(s);
         s.closeAtNextBox();
         s.game.command(303);
       },
       {"tick 6", "digest", "#> digest", "answer close", "command 303"}},
      {"window closed at the loss box",
       [](Session& s) {
         started(s);
         s.ticks(kLossTick - 71);  // the ship stands still
         s.closeAtNextBox();
         s.ticks(1);
       },
       {"digest", "#> digest", "answer close", "tick 1"}},
      {"window closed at the continue box",
       [](Session& s) {
         started(s);
         s.ticks(kLossTick - 71);  // the ship stands still
         s.platform.answers = {kIdOk};
         s.platform.inside = [&s] { s.closeAtNextBox(); };  // past the loss box
         s.ticks(1);
       },
       {"digest", "#> digest", "answer ok close", "tick 1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ending);
    Session s;
    c.play(s);
    ASSERT_GE(s.sink.lines.size(), c.lastLines.size());
    const std::vector<std::string> tail(s.sink.lines.end() - std::ssize(c.lastLines),
                                        s.sink.lines.end());
    EXPECT_EQ(maskedDigests(tail), c.lastLines);

    std::string text;
    for (const std::string& line : s.sink.all)
      text += line + '\n';
    std::istringstream recording(text);
    LineReader lines(recording);
    ScriptPlayer player(lines, ScriptPlayer::Checks::kDigests);
    CountingGame replay(player);
    player.playThrough(replay);
    EXPECT_FALSE(player.stopped()) << player.outcome().line << ": " << player.outcome().message;
    EXPECT_TRUE(replay.quitCode().has_value()) << "the replay ends where the session did";
    EXPECT_GE(replay.digests, 2);
  }
}

}  // namespace
}  // namespace vantorix
