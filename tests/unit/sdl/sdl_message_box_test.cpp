#include <gtest/gtest.h>

#include <vector>

#include "app/sdl/message_box.h"
#include "app/texts.h"
#include "render/client_area.h"

namespace vantorix::sdl {
namespace {

constexpr int kOk = 0;  // the buttons by index: OK, or はい and いいえ
constexpr int kYes = 0;
constexpr int kNo = 1;
constexpr int kClose = MessageBox::kCloseBox;
constexpr int kBeside = MessageBox::kNone;  // a point on the box's paper

struct Step {
  enum Kind { kKey, kRepeat, kKeyUp, kPress, kRelease, kMove } kind;
  BoxKey key = BoxKey::kOther;
  int target = kBeside;
};

Step key(BoxKey k) {
  return {Step::kKey, k};
}
Step repeat(BoxKey k) {
  return {Step::kRepeat, k};
}
Step keyUp(BoxKey k) {
  return {Step::kKeyUp, k};
}
Step press(int target) {
  return {Step::kPress, BoxKey::kOther, target};
}
Step release(int target) {
  return {Step::kRelease, BoxKey::kOther, target};
}
Step move(int target) {
  return {Step::kMove, BoxKey::kOther, target};
}

struct Point {
  int x, y;
};

Point centreOf(const MessageBox& box, int target) {
  const Rect r = target == kClose    ? box.closeBox()
                 : target == kBeside ? box.body()
                                     : box.buttons()[static_cast<std::size_t>(target)].rect;
  return {r.x + r.width / 2, r.y + r.height / 2};
}

void play(MessageBox& box, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    const Point at = centreOf(box, step.target);
    switch (step.kind) {
      case Step::kKey:
      case Step::kRepeat:
        box.keyDown(step.key, step.kind == Step::kRepeat);
        break;
      case Step::kKeyUp:
        box.keyUp(step.key);
        break;
      case Step::kPress:
        box.mouseDown(at.x, at.y);
        break;
      case Step::kRelease:
        box.mouseUp(at.x, at.y);
        break;
      case Step::kMove:
        box.mouseMove(at.x, at.y);
        break;
    }
  }
}

TEST(SdlMessageBox, KeysAndClicksAnswerAsOnWindows) {
  using K = BoxKey;
  const struct {
    const char* what;
    BoxButtons buttons;
    std::vector<Step> steps;
    int answer;
    int focused;
  } cases[] = {
      {"Return presses OK", BoxButtons::kOk, {key(K::kReturn)}, kIdOk, kOk},
      {"Escape answers a notice", BoxButtons::kOk, {key(K::kEscape)}, kIdOk, kOk},
      {"Y and N mean nothing to a notice", BoxButtons::kOk, {key(K::kYes), key(K::kNo)}, 0, kOk},
      {"Space answers when it comes up",
       BoxButtons::kOk,
       {key(K::kSpace), repeat(K::kSpace)},
       0,
       kOk},
      {"Space down and up", BoxButtons::kOk, {key(K::kSpace), keyUp(K::kSpace)}, kIdOk, kOk},
      {"a click on OK", BoxButtons::kOk, {press(kOk), release(kOk)}, kIdOk, kOk},
      {"a click on the close box", BoxButtons::kOk, {press(kClose), release(kClose)}, kIdOk, kOk},
      {"Return presses はい, focused first", BoxButtons::kYesNo, {key(K::kReturn)}, kIdYes, kYes},
      {"N answers いいえ", BoxButtons::kYesNo, {key(K::kNo)}, kIdNo, kYes},
      {"Y answers はい", BoxButtons::kYesNo, {key(K::kYes)}, kIdYes, kYes},
      {"the first answer stays", BoxButtons::kYesNo, {key(K::kNo), key(K::kYes)}, kIdNo, kYes},
      {"Tab then Return", BoxButtons::kYesNo, {key(K::kTab), key(K::kReturn)}, kIdNo, kNo},
      {"Tab twice comes round", BoxButtons::kYesNo, {key(K::kTab), key(K::kTab)}, 0, kYes},
      {"Shift+Tab comes round backwards", BoxButtons::kYesNo, {key(K::kBackTab)}, 0, kNo},
      {"Right and Left", BoxButtons::kYesNo, {key(K::kNext), key(K::kPrevious)}, 0, kYes},
      {"Tab then Space",
       BoxButtons::kYesNo,
       {key(K::kTab), key(K::kSpace), keyUp(K::kSpace)},
       kIdNo,
       kNo},
      {"a focus move lets go of Space",
       BoxButtons::kYesNo,
       {key(K::kSpace), key(K::kTab), keyUp(K::kSpace)},
       0,
       kNo},
      {"a held Return does not repeat", BoxButtons::kYesNo, {repeat(K::kReturn)}, 0, kYes},
      {"no Cancel: Escape does nothing", BoxButtons::kYesNo, {key(K::kEscape)}, 0, kYes},
      {"no Cancel: the close box does nothing",
       BoxButtons::kYesNo,
       {press(kClose), release(kClose)},
       0,
       kYes},
      {"a click on いいえ", BoxButtons::kYesNo, {press(kNo), release(kNo)}, kIdNo, kNo},
      {"let go beside the button: no answer, the focus moved",
       BoxButtons::kYesNo,
       {press(kNo), release(kYes)},
       0,
       kNo},
      {"out and back in before letting go",
       BoxButtons::kYesNo,
       {press(kNo), move(kBeside), move(kNo), release(kNo)},
       kIdNo,
       kNo},
      {"a press on the paper does nothing",
       BoxButtons::kYesNo,
       {press(kBeside), release(kBeside)},
       0,
       kYes},
  };
  for (const auto& c : cases) {
    MessageBox box(texts::kQuitBox.text, texts::kEndCaption, c.buttons);
    play(box, c.steps);
    EXPECT_EQ(box.answer(), c.answer) << c.what;
    EXPECT_EQ(box.focused(), c.focused) << c.what;
  }
}

TEST(SdlMessageBox, APressedButtonShowsOnlyWhileThePointerIsOnIt) {
  MessageBox box(texts::kQuitBox.text, texts::kEndCaption, BoxButtons::kYesNo);
  play(box, {press(kNo)});
  EXPECT_EQ(box.pressed(), kNo);
  play(box, {move(kBeside)});
  EXPECT_EQ(box.pressed(), MessageBox::kNone);
  play(box, {move(kNo), release(kBeside)});
  EXPECT_EQ(box.pressed(), MessageBox::kNone);
}

// Every box the game opens lies whole on the field, centred, with its text,
// caption and buttons inside it.
TEST(SdlMessageBox, EveryBoxFitsCentredOnTheField) {
  const struct {
    std::string_view text, caption;
    BoxButtons buttons;
  } boxes[] = {
      {texts::kStartBox.text, texts::kStartBox.caption, BoxButtons::kOk},
      {texts::kQuitBox.text, texts::kEndCaption, BoxButtons::kYesNo},
      {texts::kWinBox.text, texts::kEndCaption, BoxButtons::kOk},
      {texts::kLossBox.text, texts::kEndCaption, BoxButtons::kOk},
      {texts::kContinueBox.text, texts::kContinueBox.caption, BoxButtons::kYesNo},
  };
  for (const auto& b : boxes) {
    const MessageBox box(b.text, b.caption, b.buttons);
    const Rect f = box.frame();
    EXPECT_GE(f.x, 0) << b.text;
    EXPECT_GE(f.y, 0) << b.text;
    EXPECT_LE(std::abs((kClientWidth - f.width) - 2 * f.x), 1) << b.text;
    EXPECT_LE(std::abs((kClientHeight - f.height) - 2 * f.y), 1) << b.text;
    for (const BoxButton& button : box.buttons()) {
      EXPECT_TRUE(box.band().contains(button.rect.x, button.rect.y)) << b.text;
      EXPECT_TRUE(box.band().contains(button.rect.x + button.rect.width - 1,
                                      button.rect.y + button.rect.height - 1))
          << b.text;
    }
  }
}

}  // namespace
}  // namespace vantorix::sdl
