#include <gtest/gtest.h>

#include <vector>

#include "app/shell/message_box.h"
#include "app/texts.h"

namespace vantorix::shell {
namespace {

constexpr int kOk = 0;  // the buttons by index: OK, or はい and いいえ
constexpr int kYes = 0;
constexpr int kNo = 1;
constexpr int kClose = MessageBox::kCloseBox;
constexpr int kBeside = MessageBox::kNone;  // the box's paper, or off the box

struct Step {
  enum Kind { kKey, kKeyUp, kPress, kRelease, kMove } kind;
  KeyInput key{};
  int target = kBeside;
};

Step key(int code) {
  return {Step::kKey, {code}};
}
Step held(int code) {
  return {Step::kKey, {code, true}};
}
Step shifted(int code) {
  return {Step::kKey, {code, false, true}};
}
Step keyUp(int code) {
  return {Step::kKeyUp, {code}};
}
Step press(int target) {
  return {Step::kPress, {}, target};
}
Step release(int target) {
  return {Step::kRelease, {}, target};
}
Step move(int target) {
  return {Step::kMove, {}, target};
}

BoxReply play(MessageBox& box, const std::vector<Step>& steps) {
  BoxReply last;
  for (const Step& step : steps) {
    switch (step.kind) {
      case Step::kKey:
        last = box.keyDown(step.key);
        break;
      case Step::kKeyUp:
        last = box.keyUp(step.key);
        break;
      case Step::kPress:
        last = box.pointerDown(step.target);
        break;
      case Step::kRelease:
        last = box.pointerUp(step.target);
        break;
      case Step::kMove:
        last = box.pointerMove(step.target);
        break;
    }
  }
  return last;
}

MessageBox quitBox(BoxButtons buttons = BoxButtons::kYesNo) {
  return MessageBox(texts::kQuitBox.text, texts::kEndCaption, buttons);
}

TEST(ShellMessageBox, KeysAndClicksAnswerAsOnWindows) {
  constexpr auto kNotice = BoxButtons::kOk;
  constexpr auto kQuestion = BoxButtons::kYesNo;
  const struct {
    const char* what;
    BoxButtons buttons;
    std::vector<Step> steps;
    int answer;
    int focused;
  } cases[] = {
      {"Return presses OK", kNotice, {key(kVkReturn)}, kIdOk, kOk},
      {"Escape answers a notice", kNotice, {key(kVkEscape)}, kIdOk, kOk},
      {"Y and N mean nothing to a notice", kNotice, {key(kVkY), key(kVkN)}, 0, kOk},
      {"Space answers when it comes up", kNotice, {key(kVkSpace), held(kVkSpace)}, 0, kOk},
      {"Space down and up", kNotice, {key(kVkSpace), keyUp(kVkSpace)}, kIdOk, kOk},
      {"a click on OK", kNotice, {press(kOk), release(kOk)}, kIdOk, kOk},
      {"a click on the close box", kNotice, {press(kClose), release(kClose)}, kIdOk, kOk},
      {"Return presses はい, focused first", kQuestion, {key(kVkReturn)}, kIdYes, kYes},
      {"N answers いいえ", kQuestion, {key(kVkN)}, kIdNo, kYes},
      {"Y answers はい", kQuestion, {key(kVkY)}, kIdYes, kYes},
      {"the first answer stays", kQuestion, {key(kVkN), key(kVkY)}, kIdNo, kYes},
      {"Tab then Return", kQuestion, {key(kVkTab), key(kVkReturn)}, kIdNo, kNo},
      {"Tab twice comes round", kQuestion, {key(kVkTab), key(kVkTab)}, 0, kYes},
      {"Shift+Tab comes round backwards", kQuestion, {shifted(kVkTab)}, 0, kNo},
      {"Right and Left", kQuestion, {key(kVkRight), key(kVkLeft)}, 0, kYes},
      {"Down moves on", kQuestion, {key(kVkDown)}, 0, kNo},
      {"Tab then Space", kQuestion, {key(kVkTab), key(kVkSpace), keyUp(kVkSpace)}, kIdNo, kNo},
      {"a focus move lets go of Space",
       kQuestion,
       {key(kVkSpace), key(kVkTab), keyUp(kVkSpace)},
       0,
       kNo},
      {"a held Return does not answer", kQuestion, {held(kVkReturn)}, 0, kYes},
      {"no Cancel: Escape does nothing", kQuestion, {key(kVkEscape)}, 0, kYes},
      {"no Cancel: the close box does nothing",
       kQuestion,
       {press(kClose), release(kClose)},
       0,
       kYes},
      {"a click on いいえ", kQuestion, {press(kNo), release(kNo)}, kIdNo, kNo},
      {"let go beside the button: no answer, the focus moved",
       kQuestion,
       {press(kNo), release(kYes)},
       0,
       kNo},
      {"out and back in before letting go",
       kQuestion,
       {press(kNo), move(kBeside), move(kNo), release(kNo)},
       kIdNo,
       kNo},
      {"a press on the paper does nothing", kQuestion, {press(kBeside), release(kBeside)}, 0, kYes},
      {"a target the box has not is nothing", kQuestion, {press(5), release(5)}, 0, kYes},
      {"Space held while the pointer presses",
       kQuestion,
       {key(kVkSpace), press(kNo), keyUp(kVkSpace), release(kBeside)},
       0,
       kNo},
  };
  for (const auto& c : cases) {
    MessageBox box = quitBox(c.buttons);
    play(box, c.steps);
    EXPECT_EQ(box.answer(), c.answer) << c.what;
    EXPECT_EQ(box.answered(), c.answer != 0) << c.what;
    EXPECT_EQ(box.focused(), c.focused) << c.what;
  }
}

TEST(ShellMessageBox, APressedButtonShowsOnlyWhileThePointerIsOnIt) {
  MessageBox box = quitBox();
  EXPECT_TRUE(play(box, {press(kNo)}).changed);
  EXPECT_EQ(box.pressed(), kNo);
  EXPECT_TRUE(play(box, {move(kBeside)}).changed);
  EXPECT_EQ(box.pressed(), MessageBox::kNone);
  EXPECT_FALSE(play(box, {move(kYes)}).changed);
  play(box, {move(kNo), release(kBeside)});
  EXPECT_EQ(box.pressed(), MessageBox::kNone);
}

// A reply says whether the box must be drawn again and whether it answered.
TEST(ShellMessageBox, RepliesTellWhatChanged) {
  const struct {
    const char* what;
    std::vector<Step> steps;
    bool changed;
    bool answered;
  } cases[] = {
      {"a key the box has no use for", {key('A')}, false, false},
      {"Tab", {key(kVkTab)}, true, false},
      {"Space down", {key(kVkSpace)}, true, false},
      {"Space up", {key(kVkSpace), keyUp(kVkSpace)}, true, true},
      {"Return", {key(kVkReturn)}, true, true},
      {"a key after the answer", {key(kVkN), key(kVkTab)}, false, false},
      {"a move off the box", {move(kBeside)}, false, false},
  };
  for (const auto& c : cases) {
    MessageBox box = quitBox();
    const BoxReply reply = play(box, c.steps);
    EXPECT_EQ(reply.changed, c.changed) << c.what;
    EXPECT_EQ(reply.answered, c.answered) << c.what;
  }
}

TEST(ShellMessageBox, ARecordedAnswerIsShownAndGiven) {
  MessageBox box = quitBox();
  box.focusAnswer(kIdNo);
  EXPECT_EQ(box.focused(), kNo);
  box.answerAs(kIdNo);
  box.answerAs(kIdYes);
  EXPECT_EQ(box.answer(), kIdNo);
  EXPECT_EQ(box.buttons().size(), 2u);
  EXPECT_EQ(box.buttons()[kNo].label, texts::kButtonNo);
}

}  // namespace
}  // namespace vantorix::shell
