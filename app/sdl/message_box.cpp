#include "app/sdl/message_box.h"

#include <algorithm>

#include "app/texts.h"
#include "render/client_area.h"
#include "render/lettering.h"

namespace vantorix::sdl {

namespace {

constexpr int kMinWidth = 190;
constexpr int kCloseBoxWidth = 36;
constexpr int kTextMarginY = 20;  // above and below the text
constexpr int kButtonWidth = 78;
constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 8;
constexpr int kButtonMargin = 10;  // right of the last button

constexpr std::array<BoxButton, 1> kOkButtons{{{texts::kButtonOk, kIdOk, {}}}};
constexpr std::array<BoxButton, 2> kYesNoButtons{{
    {texts::kButtonYes, kIdYes, {}},
    {texts::kButtonNo, kIdNo, {}},
}};

}  // namespace

MessageBox::MessageBox(std::string_view text, std::string_view caption, BoxButtons buttons)
    : text_(text), caption_(caption) {
  const std::span<const BoxButton> kinds =
      buttons == BoxButtons::kYesNo ? std::span<const BoxButton>(kYesNoButtons) : kOkButtons;
  buttonCount_ = static_cast<int>(kinds.size());
  std::copy(kinds.begin(), kinds.end(), buttons_.begin());

  const int row = buttonCount_ * kButtonWidth + (buttonCount_ - 1) * kButtonGap;
  const int inner = std::max({kMinWidth, textWidth(text) + 2 * kBoxTextIndent,
                              kBoxCaptionIndent + textWidth(caption) + kCloseBoxWidth + 12,
                              row + 2 * kButtonMargin});
  const int width = inner + 2 * kBoxBorder;
  const int height =
      2 * kBoxBorder + kBoxCaptionHeight + 2 * kTextMarginY + lettering().height + kBoxBandHeight;
  frame_ = {(kClientWidth - width) / 2, (kClientHeight - height) / 2, width, height};

  const Rect strip = band();
  int left = strip.x + strip.width - kButtonMargin - row;
  for (int i = 0; i < buttonCount_; ++i, left += kButtonWidth + kButtonGap) {
    buttons_[static_cast<std::size_t>(i)].rect = {
        left, strip.y + (strip.height - kButtonHeight) / 2, kButtonWidth, kButtonHeight};
  }
}

Rect MessageBox::captionBar() const {
  return {frame_.x + kBoxBorder, frame_.y + kBoxBorder, frame_.width - 2 * kBoxBorder,
          kBoxCaptionHeight};
}

Rect MessageBox::closeBox() const {
  const Rect bar = captionBar();
  return {bar.x + bar.width - kCloseBoxWidth, bar.y, kCloseBoxWidth, bar.height};
}

Rect MessageBox::body() const {
  const Rect bar = captionBar();
  return {bar.x, bar.y + bar.height, bar.width, 2 * kTextMarginY + lettering().height};
}

Rect MessageBox::band() const {
  const Rect above = body();
  return {above.x, above.y + above.height, above.width, kBoxBandHeight};
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

void MessageBox::keyDown(BoxKey key, bool repeat) {
  if (answered()) return;
  switch (key) {
    case BoxKey::kReturn:
      if (!repeat) answerWith(focused_);
      break;
    case BoxKey::kSpace:
      // The button goes down with the key and answers when it comes up.
      spaceHeld_ = true;
      break;
    case BoxKey::kTab:
    case BoxKey::kNext:
      moveFocus(1);
      break;
    case BoxKey::kBackTab:
    case BoxKey::kPrevious:
      moveFocus(-1);
      break;
    case BoxKey::kYes:
    case BoxKey::kNo:
      for (int i = 0; i < buttonCount_; ++i) {
        const int wanted = key == BoxKey::kYes ? kIdYes : kIdNo;
        if (buttons_[static_cast<std::size_t>(i)].answer == wanted) answerWith(i);
      }
      break;
    case BoxKey::kEscape:
      if (closable()) answerWith(0);
      break;
    case BoxKey::kOther:
      break;
  }
}

void MessageBox::keyUp(BoxKey key) {
  if (key != BoxKey::kSpace || !spaceHeld_) return;
  spaceHeld_ = false;
  if (captured_ == kNone) answerWith(focused_);
}

void MessageBox::mouseDown(int x, int y) {
  if (answered()) return;
  hovered_ = targetAt(x, y);
  captured_ = hovered_;
  if (captured_ >= 0 && captured_ < buttonCount_) focused_ = captured_;
}

void MessageBox::mouseMove(int x, int y) {
  hovered_ = targetAt(x, y);
}

void MessageBox::mouseUp(int x, int y) {
  hovered_ = targetAt(x, y);
  const int released = captured_;
  captured_ = kNone;
  if (released != kNone && released == hovered_) answerWith(released);
}

int MessageBox::targetAt(int x, int y) const {
  for (int i = 0; i < buttonCount_; ++i) {
    if (buttons_[static_cast<std::size_t>(i)].rect.contains(x, y)) return i;
  }
  if (closable() && closeBox().contains(x, y)) return kCloseBox;
  return kNone;
}

void MessageBox::moveFocus(int step) {
  spaceHeld_ = false;
  focused_ = (focused_ + step + buttonCount_) % buttonCount_;
}

void MessageBox::answerWith(int target) {
  answerAs(target == kCloseBox ? kIdOk : buttons_[static_cast<std::size_t>(target)].answer);
}

}  // namespace vantorix::sdl
