#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sdl/menu.h"
#include "render/lettering.h"

namespace vantorix::sdl {
namespace {

// One step of a script: a key down, a key up, or a mouse button at a point.
struct Step {
  enum Kind { kDown, kUp, kPress, kRelease, kMove } kind;
  MenuKey key = MenuKey::kOther;
  int x = 0;
  int y = 0;
};

Step down(MenuKey key) {
  return {Step::kDown, key};
}
Step up(MenuKey key) {
  return {Step::kUp, key};
}
Step press(int x, int y) {
  return {Step::kPress, MenuKey::kOther, x, y};
}
Step release(int x, int y) {
  return {Step::kRelease, MenuKey::kOther, x, y};
}
Step move(int x, int y) {
  return {Step::kMove, MenuKey::kOther, x, y};
}

struct Outcome {
  Menu::Mode mode;
  int highlighted;
  std::vector<int> commands;
  std::vector<bool> consumed;  // per step
};

Outcome play(const std::vector<Step>& steps) {
  Menu menu;
  Outcome outcome{};
  for (const Step& step : steps) {
    MenuReply reply;
    switch (step.kind) {
      case Step::kDown:
        reply = menu.keyDown(step.key);
        break;
      case Step::kUp:
        reply = menu.keyUp(step.key);
        break;
      case Step::kPress:
        reply = menu.mouseDown(step.x, step.y);
        break;
      case Step::kRelease:
        reply = menu.mouseUp(step.x, step.y);
        break;
      case Step::kMove:
        reply = menu.mouseMove(step.x, step.y);
        break;
    }
    if (reply.command != 0) outcome.commands.push_back(reply.command);
    outcome.consumed.push_back(reply.consumed);
  }
  outcome.mode = menu.mode();
  outcome.highlighted = menu.highlighted();
  return outcome;
}

using Mode = Menu::Mode;

// Centres of the menu's parts, in picture pixels.
constexpr int kTitleX = 20, kTitleY = 10;
constexpr int kStartX = 40, kStartY = 32;
constexpr int kQuitX = 40, kQuitY = 54;

TEST(SdlMenu, KeyboardScripts) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    Mode mode;
    int highlighted;
    std::vector<int> commands;
  } cases[] = {
      {"F10 selects the bar", {down(MenuKey::kF10)}, Mode::kBarSelected, -1, {}},
      {"F10 twice leaves it", {down(MenuKey::kF10), down(MenuKey::kF10)}, Mode::kClosed, -1, {}},
      {"F10 Return Return starts",
       {down(MenuKey::kF10), down(MenuKey::kReturn), down(MenuKey::kReturn)},
       Mode::kClosed,
       -1,
       {302}},
      {"F10 Down Down Return quits",
       {down(MenuKey::kF10), down(MenuKey::kDown), down(MenuKey::kDown), down(MenuKey::kReturn)},
       Mode::kClosed,
       -1,
       {303}},
      {"Up opens at the last item", {down(MenuKey::kF10), down(MenuKey::kUp)}, Mode::kOpen, 1, {}},
      {"Down wraps round",
       {down(MenuKey::kF10), down(MenuKey::kDown), down(MenuKey::kDown), down(MenuKey::kDown)},
       Mode::kOpen,
       0,
       {}},
      {"Up wraps round",
       {down(MenuKey::kF10), down(MenuKey::kDown), down(MenuKey::kUp)},
       Mode::kOpen,
       1,
       {}},
      {"Escape backs out one level",
       {down(MenuKey::kF10), down(MenuKey::kDown), down(MenuKey::kEscape)},
       Mode::kBarSelected,
       -1,
       {}},
      {"and then leaves", {down(MenuKey::kF10), down(MenuKey::kEscape)}, Mode::kClosed, -1, {}},
      {"a lone Alt selects the bar",
       {down(MenuKey::kAlt), up(MenuKey::kAlt)},
       Mode::kBarSelected,
       -1,
       {}},
      {"a lone Alt leaves it again",
       {down(MenuKey::kAlt), up(MenuKey::kAlt), down(MenuKey::kDown), down(MenuKey::kAlt),
        up(MenuKey::kAlt)},
       Mode::kClosed,
       -1,
       {}},
      {"Alt with another key is no menu key",
       {down(MenuKey::kAlt), down(MenuKey::kOther), up(MenuKey::kAlt)},
       Mode::kClosed,
       -1,
       {}},
      {"left and right keep the only popup",
       {down(MenuKey::kF10), down(MenuKey::kDown), down(MenuKey::kRight), down(MenuKey::kLeft)},
       Mode::kOpen,
       0,
       {}},
  };
  for (const auto& c : cases) {
    const Outcome outcome = play(c.steps);
    EXPECT_EQ(outcome.mode, c.mode) << c.name;
    EXPECT_EQ(outcome.highlighted, c.highlighted) << c.name;
    EXPECT_EQ(outcome.commands, c.commands) << c.name;
  }
}

// The game gets a key only while the menu is closed, and never F10 or Alt.
TEST(SdlMenu, MenuKeysNeverReachTheGame) {
  const Outcome closed = play({down(MenuKey::kLeft), down(MenuKey::kOther), down(MenuKey::kEscape),
                               down(MenuKey::kReturn)});
  EXPECT_EQ(closed.consumed, (std::vector<bool>{false, false, false, false}));
  const Outcome open = play({down(MenuKey::kF10), down(MenuKey::kLeft), down(MenuKey::kOther),
                             down(MenuKey::kDown), down(MenuKey::kUp), down(MenuKey::kEscape),
                             down(MenuKey::kEscape), down(MenuKey::kAlt), up(MenuKey::kAlt)});
  EXPECT_EQ(open.consumed, std::vector<bool>(9, true));
}

TEST(SdlMenu, MouseScripts) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    Mode mode;
    int highlighted;
    std::vector<int> commands;
  } cases[] = {
      {"a click on the title opens the popup",
       {press(kTitleX, kTitleY), release(kTitleX, kTitleY)},
       Mode::kOpen,
       -1,
       {}},
      {"a second click closes it",
       {press(kTitleX, kTitleY), release(kTitleX, kTitleY), press(kTitleX, kTitleY)},
       Mode::kClosed,
       -1,
       {}},
      {"click on an item chooses it",
       {press(kTitleX, kTitleY), release(kTitleX, kTitleY), press(kQuitX, kQuitY),
        release(kQuitX, kQuitY)},
       Mode::kClosed,
       -1,
       {303}},
      {"press, drag and release on an item",
       {press(kTitleX, kTitleY), move(kStartX, kStartY), release(kStartX, kStartY)},
       Mode::kClosed,
       -1,
       {302}},
      {"hovering highlights", {press(kTitleX, kTitleY), move(kQuitX, kQuitY)}, Mode::kOpen, 1, {}},
      {"hovering off the popup highlights nothing",
       {press(kTitleX, kTitleY), move(kQuitX, kQuitY), move(300, 300)},
       Mode::kOpen,
       -1,
       {}},
      {"release outside chooses nothing",
       {press(kTitleX, kTitleY), move(300, 300), release(300, 300)},
       Mode::kOpen,
       -1,
       {}},
      {"a click outside closes", {press(kTitleX, kTitleY), press(300, 300)}, Mode::kClosed, -1, {}},
      {"a click on the empty bar while closed does nothing",
       {press(400, 10), release(400, 10)},
       Mode::kClosed,
       -1,
       {}},
      {"a click on the popup's place while closed does nothing",
       {press(kStartX, kStartY), release(kStartX, kStartY)},
       Mode::kClosed,
       -1,
       {}},
  };
  for (const auto& c : cases) {
    const Outcome outcome = play(c.steps);
    EXPECT_EQ(outcome.mode, c.mode) << c.name;
    EXPECT_EQ(outcome.highlighted, c.highlighted) << c.name;
    EXPECT_EQ(outcome.commands, c.commands) << c.name;
  }
}

TEST(SdlMenu, LayoutAndHitTesting) {
  EXPECT_EQ(menuBarRect(1000).height, kMenuBarHeight);
  EXPECT_EQ(menuBarRect(1000).width, 1000);  // across the whole window
  const Rect popup = menuPopupRect();
  EXPECT_EQ(popup.y, kMenuBarHeight);  // right below the bar
  for (int item = 0; item < kMenuItemCount; ++item) {
    const Rect rect = menuItemRect(item);
    EXPECT_EQ(menuItemAt(rect.x, rect.y), item);
    EXPECT_EQ(menuItemAt(rect.x + rect.width - 1, rect.y + rect.height - 1), item);
    EXPECT_EQ(menuItemAt(rect.x - 1, rect.y), -1);
    EXPECT_TRUE(popup.contains(rect.x, rect.y));
    EXPECT_TRUE(popup.contains(rect.x + rect.width - 1, rect.y + rect.height - 1));
  }
  EXPECT_EQ(menuItemAt(kTitleX, kTitleY), -1);
  EXPECT_EQ(menuItems()[0].command, 302);
  EXPECT_EQ(menuItems()[1].command, 303);
  EXPECT_EQ(menuItems()[0].text, "開始");
  EXPECT_EQ(menuItems()[1].text, "終了");
  EXPECT_EQ(menuTitle(), "ゲーム");
  // The texts fit the places they are drawn in.
  EXPECT_LE(textWidth(menuTitle()), menuTitleRect().width);
}

}  // namespace
}  // namespace vantorix::sdl
