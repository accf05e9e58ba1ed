// One message box as a state machine: its words, its buttons, which one has
// the focus, which is held down, and the answer. It answers as a Windows box
// does: Return and Space press the focused button, Tab and the arrows move
// the focus, Y and N answer a question, Escape and the close box answer a
// notice, and the pointer must go down and come up on the same button. Keys
// come as virtual-key codes, the pointer as what it is on, so each shell lays
// the box out and hit-tests it in its own way.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "app/platform.h"
#include "app/shell/key_map.h"

namespace vantorix::shell {

struct BoxButton {
  std::string_view label;
  int answer;
};

// What one input did to the box.
struct BoxReply {
  bool changed = false;   // the box looks different now
  bool answered = false;  // this input gave the box its answer
};

class MessageBox {
 public:
  static constexpr int kMaxButtons = 2;
  // What the pointer can be on besides a button (given by its index).
  static constexpr int kNone = -1;
  static constexpr int kCloseBox = kMaxButtons;  // the caption's close box

  MessageBox(std::string_view text, std::string_view caption, BoxButtons buttons);

  std::string_view text() const { return text_; }
  std::string_view caption() const { return caption_; }
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

  BoxReply keyDown(const KeyInput& key);
  BoxReply keyUp(const KeyInput& key);
  // `target` is a button's index, kCloseBox or kNone.
  BoxReply pointerDown(int target);
  BoxReply pointerMove(int target);
  BoxReply pointerUp(int target);

 private:
  // What the box looks like and whether it has answered, to tell what an
  // input changed.
  struct Look {
    int focused;
    int pressed;
    bool answered;
  };
  Look look() const { return {focused_, pressed(), answered_}; }
  BoxReply since(const Look& before) const;

  // A target the box has: a button, or the close box of a notice; else kNone.
  int own(int target) const;
  void moveFocus(int step);
  void answerWith(int target);
  void actOnKeyDown(const KeyInput& key);

  std::string_view text_;
  std::string_view caption_;
  std::array<BoxButton, kMaxButtons> buttons_{};
  int buttonCount_ = 0;
  int focused_ = 0;
  int answer_ = 0;
  bool answered_ = false;
  bool spaceHeld_ = false;
  int captured_ = kNone;  // what the pointer went down on
  int hovered_ = kNone;   // what the pointer is on
};

}  // namespace vantorix::shell
