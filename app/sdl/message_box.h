// One message box of the SDL program as data: where its parts lie on the
// field, which button has the focus, and what keys and clicks do to it. It
// answers as a Windows box does: Return and Space press the focused button,
// Tab and the arrows move the focus, Y and N answer a question, Escape and
// the close box answer a notice, and a click needs the button to be pressed
// and released on it.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "app/platform.h"
#include "app/sdl/rect.h"

namespace vantorix::sdl {

enum class BoxKey {
  kOther,
  kReturn,
  kSpace,
  kTab,
  kBackTab,   // Shift+Tab
  kPrevious,  // Left, Up
  kNext,      // Right, Down
  kYes,       // Y
  kNo,        // N
  kEscape,
};

struct BoxButton {
  std::string_view label;
  int answer;
  Rect rect;
};

// Field pixels of a box's parts, the same for every box.
inline constexpr int kBoxBorder = 1;
inline constexpr int kBoxCaptionHeight = 24;
inline constexpr int kBoxCaptionIndent = 9;
inline constexpr int kBoxTextIndent = 14;
inline constexpr int kBoxBandHeight = 40;  // the grey band that holds the buttons

class MessageBox {
 public:
  static constexpr int kMaxButtons = 2;
  static constexpr int kNone = -1;
  // The caption's close box, among the things a click can press.
  static constexpr int kCloseBox = kMaxButtons;

  MessageBox(std::string_view text, std::string_view caption, BoxButtons buttons);

  std::string_view text() const { return text_; }
  std::string_view caption() const { return caption_; }
  Rect frame() const { return frame_; }  // the whole box, centred on the field
  Rect captionBar() const;
  Rect closeBox() const;
  Rect body() const;  // the white part between the caption and the band
  Rect band() const;
  std::span<const BoxButton> buttons() const {
    return std::span(buttons_).first(static_cast<std::size_t>(buttonCount_));
  }
  // A notice closes with its close box or Escape, as OK; a question has no
  // Cancel, so neither does anything to it.
  bool closable() const { return buttonCount_ == 1; }

  int focused() const { return focused_; }  // a button's index
  // The button (or kCloseBox) drawn pressed in, or kNone.
  int pressed() const;
  int answer() const { return answer_; }  // 0 while the box waits
  bool answered() const { return answered_; }

  // A box played back from a recording: the recorded answer's button takes
  // the focus, and the answer is given as recorded.
  void focusAnswer(int answer);
  void answerAs(int answer);

  void keyDown(BoxKey key, bool repeat);
  void keyUp(BoxKey key);
  void mouseDown(int x, int y);
  void mouseMove(int x, int y);
  void mouseUp(int x, int y);

 private:
  int targetAt(int x, int y) const;  // a button's index, kCloseBox or kNone
  void moveFocus(int step);
  void answerWith(int target);

  std::string_view text_;
  std::string_view caption_;
  Rect frame_{};
  std::array<BoxButton, kMaxButtons> buttons_{};
  int buttonCount_ = 0;
  int focused_ = 0;
  int answer_ = 0;
  bool answered_ = false;
  bool spaceHeld_ = false;
  int captured_ = kNone;  // what the mouse went down on
  int hovered_ = kNone;   // what the mouse is over
};

}  // namespace vantorix::sdl
