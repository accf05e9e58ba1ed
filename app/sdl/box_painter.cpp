#include "app/sdl/box_painter.h"

#include "app/sdl/box_layout.h"
#include "app/sdl/look.h"
#include "app/sdl/surface_drawing.h"
#include "render/lettering.h"

namespace vantorix::sdl {

namespace {

constexpr int kCrossSize = 10;  // the close box's x

Rect inset(const Rect& rect, int by) {
  return {rect.x + by, rect.y + by, rect.width - 2 * by, rect.height - 2 * by};
}

void paintCross(SDL_Surface* field, const Rect& area, Colour colour) {
  const int left = area.x + (area.width - kCrossSize) / 2;
  const int top = area.y + (area.height - kCrossSize) / 2;
  for (int i = 0; i < kCrossSize; ++i) {
    fill(field, {left + i, top + i, 1, 1}, colour);
    fill(field, {left + kCrossSize - 1 - i, top + i, 1, 1}, colour);
  }
}

void paintButton(SDL_Surface* field, const Rect& rect, std::string_view label, bool focused,
                 bool pressed) {
  fill(field, rect, pressed ? look::kPressedFace : look::kButtonFace);
  if (pressed) {
    frame(field, rect, look::kPressedEdge);
  } else if (focused) {
    frame(field, rect, look::kFocusEdge, 2);
  } else {
    frame(field, rect, look::kButtonEdge);
  }
  if (focused) dottedFrame(field, inset(rect, 3), look::kInk);
  drawCentred(field, label, rect, look::kInk);
}

}  // namespace

Rect paintBox(SDL_Surface* field, const shell::MessageBox& box) {
  const BoxLayout layout = layOutBox(box);
  frame(field, layout.frame, look::kBoxFrame);
  const Rect& caption = layout.captionBar;
  fill(field, caption, look::kPaper);
  drawText(field, box.caption(), caption.x + kBoxCaptionIndent,
           caption.y + (caption.height - lettering().height) / 2, look::kInk);
  if (box.pressed() == shell::MessageBox::kCloseBox) {
    fill(field, layout.closeBox, look::kClosePressed);
    paintCross(field, layout.closeBox, look::kPaper);
  } else {
    paintCross(field, layout.closeBox, box.closable() ? look::kInk : look::kGrey);
  }

  const Rect& body = layout.body;
  fill(field, body, look::kPaper);
  drawText(field, box.text(), body.x + kBoxTextIndent,
           body.y + (body.height - lettering().height) / 2, look::kInk);
  fill(field, layout.band, look::kFace);
  const auto buttons = box.buttons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const int index = static_cast<int>(i);
    paintButton(field, layout.buttons[i], buttons[i].label, index == box.focused(),
                index == box.pressed());
  }
  return layout.frame;
}

}  // namespace vantorix::sdl
