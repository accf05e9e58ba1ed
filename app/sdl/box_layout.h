// Where the SDL program draws a message box on the field, in field pixels:
// the frame centred on the field and wide enough for the lettering's widths
// of its words, the caption bar with its close box, the white body with the
// text, and the grey band with the buttons at its right.
#pragma once

#include <array>

#include "app/sdl/rect.h"
#include "app/shell/message_box.h"

namespace vantorix::sdl {

// Where the words start, from the left of the caption bar and the body.
inline constexpr int kBoxCaptionIndent = 9;
inline constexpr int kBoxTextIndent = 14;

struct BoxLayout {
  Rect frame;  // the whole box
  Rect captionBar;
  Rect closeBox;
  Rect body;
  Rect band;
  std::array<Rect, shell::MessageBox::kMaxButtons> buttons;  // as many as the box has
};

BoxLayout layOutBox(const shell::MessageBox& box);

// What a field point is on: a button's index, MessageBox::kCloseBox or
// MessageBox::kNone.
int boxTargetAt(const shell::MessageBox& box, int x, int y);

}  // namespace vantorix::sdl
