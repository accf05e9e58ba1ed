// Whole sessions of the SDL program's loop without a display, played from
// the keyboard and the mouse in a scripted window.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "game/digest.h"
#include "tests/unit/sdl/scripted_window.h"

namespace vantorix::sdl {
namespace {

using Kind = WindowEvent::Kind;
using test::play;
using test::Played;
using test::replayHeadless;
using test::ScriptedWindow;

constexpr int kDown = kVkDown;
constexpr int kReturn = shell::kVkReturn;

// ゲーム > 開始 and ゲーム > 終了 by the keyboard.
ScriptedWindow& chooseStart(ScriptedWindow& window, double at) {
  return window.keys(at, {shell::kVkF10, kDown, kReturn});
}
ScriptedWindow& chooseQuit(ScriptedWindow& window, double at) {
  return window.keys(at, {shell::kVkF10, kDown, kDown, kReturn});
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(Loop, TheGameTicksOnBehindTheStartBoxOfARunningGameWhoseKeysAreTheBoxs) {
  ScriptedWindow window;
  chooseStart(window, 0.1).keys(0.2, {kReturn});
  chooseStart(window, 1.2).keys(1.7, {kVkLeft, kVkLeft, shell::kVkN, kReturn});
  chooseQuit(window, 2.0).keys(2.1, {shell::kVkY});
  const Played played = play(window);
  EXPECT_EQ(played.exitCode, 0);
  EXPECT_EQ(played.recording.find("\nkey "), std::string::npos) << played.recording;
  EXPECT_EQ(played.state.playerX, kStartState.playerX);
  // 1.8 s of play at 64 ticks a second, half a second of it behind the box.
  EXPECT_NEAR(played.state.tickCount, 115, 1);
  EXPECT_EQ(window.boxesSeen, 1);
  EXPECT_EQ(replayHeadless(played.recording), 0);
}

TEST(Loop, TheLossAndContinueBoxesOpenInsideATickAndNoLeadsBackToTheTitle) {
  // A ship that never moves is hit for the third time at tick 1409.
  ScriptedWindow window;
  chooseStart(window, 0.1).keys(0.2, {kReturn}).keys(30, {kReturn}).keys(31, {shell::kVkN});
  chooseQuit(window, 32).keys(33, {shell::kVkY});
  const Played played = play(window);
  EXPECT_EQ(played.exitCode, 0);
  EXPECT_NE(played.recording.find("answer ok no\ntick 1\n"), std::string::npos);
  EXPECT_EQ(played.state.tickCount, 0) << "back at the title";
  EXPECT_EQ(replayHeadless(played.recording), 0);
}

TEST(Loop, ClosingTheWindowAtABoxEndsAtOnceAndTheRecordingStillReplays) {
  struct Case {
    const char* box;
    std::vector<std::pair<double, std::vector<int>>> keys;
    double closeAt;
  };
  const Case cases[] = {
      {"start, the game running behind it",
       {{0.1, {shell::kVkF10, kDown, kReturn}},
        {0.2, {kReturn}},
        {1.0, {shell::kVkF10, kDown, kReturn}}},
       1.5},
      {"quit", {{0.1, {shell::kVkF10, kDown, kDown, kReturn}}}, 0.5},
      {"continue, opened inside a tick",
       {{0.1, {shell::kVkF10, kDown, kReturn}}, {0.2, {kReturn}}, {30, {kReturn}}},
       31},
      {"none: the game running", {{0.1, {shell::kVkF10, kDown, kReturn}}, {0.2, {kReturn}}}, 3},
  };
  for (const Case& c : cases) {
    ScriptedWindow window;
    for (const auto& [at, keys] : c.keys) {
      for (const int key : keys)
        window.keys(at, {key});
    }
    window.at(c.closeAt, {Kind::kClose});
    const Played played = play(window);
    EXPECT_EQ(played.exitCode, 0) << c.box;
    EXPECT_TRUE(window.hidden) << c.box;
    EXPECT_EQ(replayHeadless(played.recording), 0) << c.box << "\n" << played.recording;
  }
}

TEST(Loop, AReplayPlaysTheRecordingBackAndStopsAtADigestThatDiffers) {
  ScriptedWindow recorded;
  chooseStart(recorded, 0.1).keys(0.2, {kReturn}).keys(0.5, {kVkLeft, kVkUp, kVkSpace});
  chooseQuit(recorded, 2.0).keys(2.1, {shell::kVkY});
  const Played original = play(recorded);

  const auto replay = [](const std::string& recording, GameState& state) {
    std::istringstream in(recording);
    LineReader lines(in);
    ScriptPlayer player(lines, ScriptPlayer::Checks::kDigests);
    ScriptedWindow window;
    window.keys(1.0, {kVkRight, kVkRight});  // the player's keys are inert
    Loop loop(window, window, nullptr, &player);
    const int exitCode = loop.run();
    state = loop.session().gameState();
    return exitCode;
  };
  GameState state;
  EXPECT_EQ(replay(original.recording, state), 0);
  EXPECT_EQ(digest(state), digest(original.state));

  std::vector<std::string> lines = linesOf(original.recording);
  const auto expected = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with("#> digest ");
  });
  ASSERT_NE(expected, lines.end());
  *expected = "#> digest 0123456789abcdef";
  std::string changed;
  for (const std::string& line : lines)
    changed += line + '\n';
  EXPECT_EQ(replay(changed, state), kReplayDiffersExit);
}

TEST(Loop, F11TogglesFullscreenOncePerPressAndAltF4ClosesTheWindow) {
  ScriptedWindow window;
  window.at(0.1, {Kind::kKeyDown, {shell::kVkF11}})
      .at(0.2, {Kind::kKeyDown, {shell::kVkF11, true}})
      .at(0.3, {Kind::kKeyUp, {shell::kVkF11}})
      .at(0.4, {Kind::kKeyDown, {shell::kVkF4, false, false, true}});
  const Played played = play(window);
  EXPECT_EQ(window.fullscreenToggles, 1);
  EXPECT_EQ(played.exitCode, 0);
  EXPECT_TRUE(window.hidden);
}

}  // namespace
}  // namespace vantorix::sdl
