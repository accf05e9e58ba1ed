#include <gtest/gtest.h>

#include <vector>

#include "app/shell/menu.h"

namespace vantorix::shell {
namespace {

// One step of a script: a key down or up, or the pointer on a target.
struct Step {
  enum Kind { kDown, kUp, kPress, kRelease, kMove } kind;
  KeyInput key{};
  MenuTarget target{};
};

// Alt's own down comes with Alt held, as every shell reports it.
Step down(int key) {
  return {Step::kDown, {key, false, false, key == kVkAlt}};
}
Step held(int key) {
  return {Step::kDown, {key, true, false, key == kVkAlt}};
}
Step withAlt(int key) {
  return {Step::kDown, {key, false, false, true}};
}
Step up(int key) {
  return {Step::kUp, {key}};
}
Step press(MenuTarget target) {
  return {Step::kPress, {}, target};
}
Step release(MenuTarget target) {
  return {Step::kRelease, {}, target};
}
Step move(MenuTarget target) {
  return {Step::kMove, {}, target};
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
        reply = menu.pointerDown(step.target);
        break;
      case Step::kRelease:
        reply = menu.pointerUp(step.target);
        break;
      case Step::kMove:
        reply = menu.pointerMove(step.target);
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

struct Script {
  const char* name;
  std::vector<Step> steps;
  Mode mode;
  int highlighted;
  std::vector<int> commands;
};

void expectScripts(const std::vector<Script>& scripts) {
  for (const Script& script : scripts) {
    const Outcome outcome = play(script.steps);
    EXPECT_EQ(outcome.mode, script.mode) << script.name;
    EXPECT_EQ(outcome.highlighted, script.highlighted) << script.name;
    EXPECT_EQ(outcome.commands, script.commands) << script.name;
  }
}

constexpr int kA = 'A';

TEST(ShellMenu, KeyboardScripts) {
  expectScripts({
      {"F10 selects the bar", {down(kVkF10)}, Mode::kBarSelected, -1, {}},
      {"F10 twice leaves it", {down(kVkF10), down(kVkF10)}, Mode::kClosed, -1, {}},
      {"a held F10 stays", {down(kVkF10), held(kVkF10)}, Mode::kBarSelected, -1, {}},
      {"F10 Return Return starts",
       {down(kVkF10), down(kVkReturn), down(kVkReturn)},
       Mode::kClosed,
       -1,
       {302}},
      {"F10 Down Down Return quits",
       {down(kVkF10), down(kVkDown), down(kVkDown), down(kVkReturn)},
       Mode::kClosed,
       -1,
       {303}},
      {"Up opens at the last item", {down(kVkF10), down(kVkUp)}, Mode::kOpen, 1, {}},
      {"Down wraps round",
       {down(kVkF10), down(kVkDown), down(kVkDown), down(kVkDown)},
       Mode::kOpen,
       0,
       {}},
      {"Up wraps round", {down(kVkF10), down(kVkDown), down(kVkUp)}, Mode::kOpen, 1, {}},
      {"Escape backs out one level",
       {down(kVkF10), down(kVkDown), down(kVkEscape)},
       Mode::kBarSelected,
       -1,
       {}},
      {"and then leaves", {down(kVkF10), down(kVkEscape)}, Mode::kClosed, -1, {}},
      {"a lone Alt selects the bar", {down(kVkAlt), up(kVkAlt)}, Mode::kBarSelected, -1, {}},
      {"a held Alt is still alone",
       {down(kVkAlt), held(kVkAlt), held(kVkAlt), up(kVkAlt)},
       Mode::kBarSelected,
       -1,
       {}},
      {"a lone Alt leaves it again",
       {down(kVkAlt), up(kVkAlt), down(kVkDown), down(kVkAlt), up(kVkAlt)},
       Mode::kClosed,
       -1,
       {}},
      {"Alt with another key is no menu key",
       {down(kVkAlt), withAlt(kA), up(kVkAlt)},
       Mode::kClosed,
       -1,
       {}},
      {"left and right keep the only popup",
       {down(kVkF10), down(kVkDown), down(kVkRight), down(kVkLeft)},
       Mode::kOpen,
       0,
       {}},
  });
}

// The game gets a key only while the menu is closed, and never F10, Alt or a
// key with Alt held.
TEST(ShellMenu, MenuKeysNeverReachTheGame) {
  const Outcome closed = play({down(kVkLeft), down(kA), down(kVkEscape), down(kVkReturn)});
  EXPECT_EQ(closed.consumed, std::vector<bool>(4, false));
  const Outcome alt = play({down(kVkAlt), held(kVkAlt), withAlt(kA), withAlt(kVkF10), up(kVkAlt)});
  EXPECT_EQ(alt.consumed, std::vector<bool>(5, true));
  const Outcome open =
      play({down(kVkF10), held(kVkF10), down(kVkLeft), down(kA), down(kVkDown), down(kVkUp),
            down(kVkEscape), down(kVkEscape), down(kVkAlt), up(kVkAlt)});
  EXPECT_EQ(open.consumed, std::vector<bool>(10, true));
}

constexpr MenuTarget kTitle = MenuTarget::title();
constexpr MenuTarget kStart = MenuTarget::itemAt(0);
constexpr MenuTarget kQuit = MenuTarget::itemAt(1);
constexpr MenuTarget kFrame = MenuTarget::popup();
constexpr MenuTarget kElsewhere = MenuTarget::elsewhere();

TEST(ShellMenu, PointerScripts) {
  expectScripts({
      {"a click on the title opens the popup",
       {press(kTitle), release(kTitle)},
       Mode::kOpen,
       -1,
       {}},
      {"a second click closes it",
       {press(kTitle), release(kTitle), press(kTitle)},
       Mode::kClosed,
       -1,
       {}},
      {"a click on an item chooses it",
       {press(kTitle), release(kTitle), press(kQuit), release(kQuit)},
       Mode::kClosed,
       -1,
       {303}},
      {"press, drag and release on an item",
       {press(kTitle), move(kStart), release(kStart)},
       Mode::kClosed,
       -1,
       {302}},
      {"hovering highlights", {press(kTitle), move(kQuit)}, Mode::kOpen, 1, {}},
      {"hovering off the items highlights nothing",
       {press(kTitle), move(kQuit), move(kElsewhere)},
       Mode::kOpen,
       -1,
       {}},
      {"a press on the popup's frame keeps it open",
       {press(kTitle), move(kQuit), press(kFrame), release(kFrame)},
       Mode::kOpen,
       -1,
       {}},
      {"release outside chooses nothing",
       {press(kTitle), move(kElsewhere), release(kElsewhere)},
       Mode::kOpen,
       -1,
       {}},
      {"a click outside closes", {press(kTitle), press(kElsewhere)}, Mode::kClosed, -1, {}},
      {"a click outside leaves a bar selected by key",
       {down(kVkF10), press(kElsewhere)},
       Mode::kClosed,
       -1,
       {}},
      {"an item while the popup is closed is nothing",
       {press(kStart), release(kStart)},
       Mode::kClosed,
       -1,
       {}},
      {"an item the menu has not is its frame",
       {press(kTitle), press(MenuTarget::itemAt(2)), release(MenuTarget::itemAt(-3))},
       Mode::kOpen,
       -1,
       {}},
  });
  // With the menu closed, the pointer elsewhere is not the menu's.
  EXPECT_EQ(play({press(kElsewhere), move(kElsewhere), release(kElsewhere)}).consumed,
            std::vector<bool>(3, false));
}

TEST(ShellMenu, ItemsAndWords) {
  EXPECT_EQ(menuTitle(), "ゲーム");
  EXPECT_EQ(menuItems()[0].text, "開始");
  EXPECT_EQ(menuItems()[0].command, 302);
  EXPECT_EQ(menuItems()[1].text, "終了");
  EXPECT_EQ(menuItems()[1].command, 303);
}

}  // namespace
}  // namespace vantorix::shell
