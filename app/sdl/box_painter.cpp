#include "app/sdl/box_painter.h"

#include "app/sdl/surface_drawing.h"
#include "render/lettering.h"

namespace vantorix::sdl {

namespace {

constexpr Colour kBorder{100, 100, 100};
constexpr Colour kPaper{255, 255, 255};
constexpr Colour kInk{0, 0, 0};
constexpr Colour kBand{240, 240, 240};
constexpr Colour kButtonFace{225, 225, 225};
constexpr Colour kButtonEdge{173, 173, 173};
constexpr Colour kFocusEdge{0, 120, 215};
constexpr Colour kPressedFace{204, 228, 247};
constexpr Colour kPressedEdge{0, 84, 153};
constexpr Colour kCloseInk{0, 0, 0};
constexpr Colour kCloseDisabled{160, 160, 160};
constexpr Colour kClosePressed{232, 17, 35};
constexpr Colour kClosePressedInk{255, 255, 255};

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
  fill(field, button.rect, pressed ? kPressedFace : kButtonFace);
  if (pressed) {
    frame(field, button.rect, kPressedEdge);
  } else if (focused) {
    frame(field, button.rect, kFocusEdge, 2);
  } else {
    frame(field, button.rect, kButtonEdge);
  }
  if (focused) dottedFrame(field, inset(button.rect, 3), kInk);
  drawCentred(field, button.label, button.rect, kInk);
}

}  // namespace

void paintBox(SDL_Surface* field, const MessageBox& box) {
  frame(field, box.frame(), kBorder);
  const Rect caption = box.captionBar();
  fill(field, caption, kPaper);
  drawText(field, box.caption(), caption.x + kBoxCaptionIndent,
           caption.y + (caption.height - lettering().height) / 2, kInk);
  const Rect close = box.closeBox();
  if (box.pressed() == MessageBox::kCloseBox) {
    fill(field, close, kClosePressed);
    paintCross(field, close, kClosePressedInk);
  } else {
    paintCross(field, close, box.closable() ? kCloseInk : kCloseDisabled);
  }

  const Rect body = box.body();
  fill(field, body, kPaper);
  drawText(field, box.text(), body.x + kBoxTextIndent,
           body.y + (body.height - lettering().height) / 2, kInk);
  fill(field, box.band(), kBand);
  const auto buttons = box.buttons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const int index = static_cast<int>(i);
    paintButton(field, buttons[i], index == box.focused(), index == box.pressed());
  }
}

}  // namespace vantorix::sdl
