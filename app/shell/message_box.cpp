#include "app/shell/message_box.h"

#include <algorithm>

#include "app/texts.h"

namespace vantorix::shell {

namespace {

constexpr std::array<BoxButton, 1> kOkButtons{{{texts::kButtonOk, kIdOk}}};
constexpr std::array<BoxButton, 2> kYesNoButtons{{
    {texts::kButtonYes, kIdYes},
    {texts::kButtonNo, kIdNo},
}};

}  // namespace

MessageBox::MessageBox(std::string_view text, std::string_view caption, BoxButtons buttons)
    : text_(text), caption_(caption) {
  const std::span<const BoxButton> kinds =
      buttons == BoxButtons::kYesNo ? std::span<const BoxButton>(kYesNoButtons) : kOkButtons;
  buttonCount_ = static_cast<int>(kinds.size());
  std::copy(kinds.begin(), kinds.end(), buttons_.begin());
}

int MessageBox::pressed() const {
  if (captured_ != kNone) return captured_ == hovered_ ? captured_ : kNone;
  return spaceHeld_ ? focused_ : kNone;
}

void MessageBox::focusAnswer(int answer) {
  for (int i = 0; i < buttonCount_; ++i) {
    if (buttons_[static_cast<std::size_t>(i)].answer == answer) focused_ = i;
  }
}

void MessageBox::answerAs(int answer) {
  if (answered_) return;
  answer_ = answer;
  answered_ = true;
}

BoxReply MessageBox::since(const Look& before) const {
  const Look after = look();
  return {after.focused != before.focused || after.pressed != before.pressed ||
              after.answered != before.answered,
          after.answered && !before.answered};
}

BoxReply MessageBox::keyDown(const KeyInput& key) {
  const Look before = look();
  actOnKeyDown(key);
  return since(before);
}

void MessageBox::actOnKeyDown(const KeyInput& key) {
  if (answered_) return;
  switch (key.virtualKey) {
    case kVkReturn:
      // A held Return answers once, when it goes down.
      if (!key.repeat) answerWith(focused_);
      break;
    case kVkSpace:
      // The button goes down with the key and answers when it comes up.
      spaceHeld_ = true;
      break;
    case kVkTab:
      moveFocus(key.shift ? -1 : 1);
      break;
    case kVkRight:
    case kVkDown:
      moveFocus(1);
      break;
    case kVkLeft:
    case kVkUp:
      moveFocus(-1);
      break;
    case kVkY:
    case kVkN:
      for (int i = 0; i < buttonCount_; ++i) {
        const int wanted = key.virtualKey == kVkY ? kIdYes : kIdNo;
        if (buttons_[static_cast<std::size_t>(i)].answer == wanted) answerWith(i);
      }
      break;
    case kVkEscape:
      if (closable()) answerWith(0);
      break;
    default:
      break;
  }
}

BoxReply MessageBox::keyUp(const KeyInput& key) {
  if (key.virtualKey != kVkSpace || !spaceHeld_) return {};
  const Look before = look();
  spaceHeld_ = false;
  if (captured_ == kNone) answerWith(focused_);
  return since(before);
}

BoxReply MessageBox::pointerDown(int target) {
  if (answered_) return {};
  const Look before = look();
  hovered_ = own(target);
  captured_ = hovered_;
  if (captured_ >= 0 && captured_ < buttonCount_) focused_ = captured_;
  return since(before);
}

BoxReply MessageBox::pointerMove(int target) {
  const Look before = look();
  hovered_ = own(target);
  return since(before);
}

BoxReply MessageBox::pointerUp(int target) {
  const Look before = look();
  hovered_ = own(target);
  const int released = captured_;
  captured_ = kNone;
  if (released != kNone && released == hovered_) answerWith(released);
  return since(before);
}

int MessageBox::own(int target) const {
  if (target >= 0 && target < buttonCount_) return target;
  return target == kCloseBox && closable() ? kCloseBox : kNone;
}

void MessageBox::moveFocus(int step) {
  spaceHeld_ = false;
  focused_ = (focused_ + step + buttonCount_) % buttonCount_;
}

void MessageBox::answerWith(int target) {
  answerAs(target == kCloseBox ? kIdOk : buttons_[static_cast<std::size_t>(target)].answer);
}

}  // namespace vantorix::shell
