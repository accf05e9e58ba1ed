#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/shell/session.h"

namespace vantorix::shell {
namespace {

constexpr std::uint64_t kMs = 1000;
constexpr ControlSet kLeft = controlBit(Control::kLeft);
constexpr ControlSet kUp = controlBit(Control::kUp);
constexpr ControlSet kRight = controlBit(Control::kRight);
constexpr ControlSet kFire = controlBit(Control::kFire);
constexpr ControlSet kBack = controlBit(Control::kBack);
constexpr ControlSet kStart = controlBit(Control::kStart);

// A shell with a virtual clock that waits as the session says, and runs
// `inBox` when a box waits for its answer.
class VirtualShell final : public Host, public RecordingSink {
 public:
  std::uint64_t now() override { return clock; }
  void waitForAnswer() override { inBox(*session); }
  bool addLine(std::string_view line) override {
    // Only what the game was delivered: no header, no digests.
    if (!line.starts_with('#')) lines.emplace_back(line);
    return true;
  }
  void runUntil(std::uint64_t until) {
    for (;;) {
      const int wait = session->millisecondsToWait();
      const std::uint64_t due = clock + static_cast<std::uint64_t>(wait) * kMs;
      if (wait < 0 || due > until) break;
      clock = due;
      session->advance();
    }
    clock = until;
  }
  std::uint64_t clock = 0;
  std::vector<std::string> lines;
  std::function<void(Session&)> inBox = [](Session&) {};
  Session* session = nullptr;
};

// Not a holder: the window losing the keyboard.
constexpr std::int32_t kFocusLost = -1000;

struct Hold {
  std::uint64_t atMs;
  std::int32_t holder;
  ControlSet held;
};

// What the game got from the holds, on the title, where every key-down is
// recorded and no tick runs.
std::string keysFrom(const std::vector<Hold>& holds, std::uint64_t endMs) {
  VirtualShell shell;
  {
    Session session(shell, &shell);
    shell.session = &session;
    for (const Hold& hold : holds) {
      shell.runUntil(hold.atMs * kMs);
      if (hold.holder == kFocusLost) {
        session.focusLost();
      } else {
        session.holdControls(hold.holder, hold.held);
      }
    }
    shell.runUntil(endMs * kMs);
  }
  std::ostringstream keys;
  for (const std::string& line : shell.lines)
    keys << line.substr(line.find(' ') + 1) << ' ';
  return keys.str();
}

std::string times(int count, const std::string& key) {
  std::string all;
  for (int i = 0; i < count; ++i)
    all += key + ' ';
  return all;
}

TEST(ShellHeldControls, HeldControlsAreKeyDownsThatRepeatAsKeysDo) {
  EXPECT_EQ(HeldControls::kRepeatDelayMicroseconds, 500 * kMs);
  EXPECT_EQ(HeldControls::kRepeatIntervalMicroseconds, 33'333U);
  const struct {
    const char* what;
    std::vector<Hold> holds;
    std::string keys;
  } cases[] = {
      {"a tap", {{0, 1, kLeft}, {100, 1, 0}}, "left "},
      // At 0, then at 500 ms and every 33.3 ms up to 999.995 ms.
      {"a hold of a second", {{0, 1, kLeft}, {1010, 1, 0}}, times(17, "left")},
      {"a release stops it", {{0, 1, kFire}, {510, 1, 0}}, "space space "},
      {"a diagonal repeats both ways", {{0, 1, kLeft | kUp}, {510, 1, 0}}, "left up left up "},
      {"the second direction of a diagonal on its own clock",
       {{0, 1, kLeft}, {200, 1, kLeft | kUp}, {510, 1, 0}},
       "left up left "},
      {"a pad removed while held lets go", {{0, 7, kRight}, {200, 7, 0}}, "right "},
      {"held by two, down while either holds it",
       {{0, 1, kFire}, {100, 2, kFire}, {200, 1, 0}, {520, 2, 0}},
       "space space "},
      {"sliding from one direction to the next",
       {{0, 3, kLeft}, {100, 3, kUp}, {200, 3, 0}},
       "left up "},
      {"the window losing the keyboard lets go", {{0, 1, kLeft}, {100, kFocusLost, 0}}, "left "},
      {"back and start on the title reach no game",
       {{0, 1, kStart}, {100, 1, kBack}, {200, 1, 0}},
       ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(keysFrom(c.holds, 3000), c.keys) << c.what;
}

TEST(ShellHeldControls, StartOpensTheMenuAtItsFirstItemAndBackClosesIt) {
  VirtualShell shell;
  Session session(shell, nullptr);
  shell.session = &session;
  session.holdControls(1, kStart);
  EXPECT_EQ(session.menu().mode(), Menu::Mode::kOpen);
  EXPECT_EQ(session.menu().highlighted(), 0);
  session.holdControls(1, kStart | kRight);  // an arrow in the menu is the menu's
  session.holdControls(1, kBack);
  EXPECT_FALSE(session.menu().active());
  session.holdControls(1, kStart);
  session.holdControls(1, 0);
  session.holdControls(1, kStart);
  EXPECT_FALSE(session.menu().active());
}

// 開始 chosen with fire opens the start box with fire still held: its
// repeats and its release do nothing there, and a fresh press answers.
TEST(ShellHeldControls, FireHeldIntoABoxAnswersItOnlyWhenPressedThere) {
  VirtualShell shell;
  Session session(shell, &shell);
  shell.session = &session;
  bool answeredBeforeFreshPress = true;
  shell.inBox = [&](Session& s) {
    shell.runUntil(shell.clock + 2000 * kMs);
    s.holdControls(1, 0);
    answeredBeforeFreshPress = s.newestBoxDone();
    s.holdControls(1, kFire);
    s.holdControls(1, 0);
  };
  session.holdControls(1, kStart);
  session.holdControls(1, 0);
  session.holdControls(1, kFire);
  EXPECT_FALSE(answeredBeforeFreshPress);
  ASSERT_GE(shell.lines.size(), 2U);
  EXPECT_EQ(shell.lines[0], "answer ok");
  EXPECT_EQ(shell.lines[1], "command 302");
}

}  // namespace
}  // namespace vantorix::shell
