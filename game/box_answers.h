// The answers a message box gives, as the game keeps them in quitAnswer and
// continueAnswer, and the buttons a box offers.
#pragma once

namespace vantorix {

enum class BoxButtons { kOk, kYesNo };

inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// What a box gives when nobody can answer it any more (the window is gone):
// the choice that changes nothing, いいえ for a question and OK for a notice.
constexpr int unansweredAnswer(BoxButtons buttons) {
  return buttons == BoxButtons::kYesNo ? kIdNo : kIdOk;
}

}  // namespace vantorix
