#include "app/sdl/box_painter.h"

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

void paintButton(SDL_Surface* field, const BoxButton& button, bool focused, bool pressed) {
  fill(field, button.rect, pressed ? look::kPressedFace : look::kButtonFace);
  if (pressed) {
    frame(field, button.rect, look::kPressedEdge);
  } else if (focused) {
    frame(field, button.rect, look::kFocusEdge, 2);
  } else {
    frame(field, button.rect, look::kButtonEdge);
  }
  if (focused) dottedFrame(field, inset(button.rect, 3), look::kInk);
  drawCentred(field, button.label, button.rect, look::kInk);
}

}  // namespace

void paintBox(SDL_Surface* field, const MessageBox& box) {
  frame(field, box.frame(), look::kBoxFrame);
  const Rect caption = box.captionBar();
  fill(field, caption, look::kPaper);
  drawText(field, box.caption(), caption.x + kBoxCaptionIndent,
           caption.y + (caption.height - lettering().height) / 2, look::kInk);
  const Rect close = box.closeBox();
  if (box.pressed() == MessageBox::kCloseBox) {
    fill(field, close, look::kClosePressed);
    paintCross(field, close, look::kPaper);
  } else {
    paintCross(field, close, box.closable() ? look::kInk : look::kGrey);
  }

  const Rect body = box.body();
  fill(field, body, look::kPaper);
  drawText(field, box.text(), body.x + kBoxTextIndent,
           body.y + (body.height - lettering().height) / 2, look::kInk);
  fill(field, box.band(), look::kFace);
  const auto buttons = box.buttons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const int index = static_cast<int>(i);
    paintButton(field, buttons[i], index == box.focused(), index == box.pressed());
  }
}

}  // namespace vantorix::sdl
