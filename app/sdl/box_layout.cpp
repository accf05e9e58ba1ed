#include "app/sdl/box_layout.h"

#include <algorithm>

#include "render/client_area.h"
#include "render/lettering.h"

namespace vantorix::sdl {

namespace {

constexpr int kBorder = 1;
constexpr int kCaptionHeight = 24;
constexpr int kCaptionGap = 12;  // between the caption and the close box
constexpr int kBandHeight = 40;
constexpr int kMinWidth = 190;
constexpr int kCloseBoxWidth = 36;
constexpr int kTextMarginY = 20;  // above and below the text
constexpr int kButtonWidth = 78;
constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 8;
constexpr int kButtonMargin = 10;  // right of the last button

}  // namespace

BoxLayout layOutBox(const shell::MessageBox& box) {
  const int buttons = static_cast<int>(box.buttons().size());
  const int row = buttons * kButtonWidth + (buttons - 1) * kButtonGap;
  const int inner =
      std::max({kMinWidth, textWidth(box.text()) + 2 * kBoxTextIndent,
                kBoxCaptionIndent + textWidth(box.caption()) + kCaptionGap + kCloseBoxWidth,
                row + 2 * kButtonMargin});
  const int width = inner + 2 * kBorder;
  const int bodyHeight = 2 * kTextMarginY + lettering().height;
  const int height = 2 * kBorder + kCaptionHeight + bodyHeight + kBandHeight;

  BoxLayout layout{};
  layout.frame = {(kClientWidth - width) / 2, (kClientHeight - height) / 2, width, height};
  const Rect& frame = layout.frame;
  layout.captionBar = {frame.x + kBorder, frame.y + kBorder, inner, kCaptionHeight};
  const Rect& bar = layout.captionBar;
  layout.closeBox = {bar.x + bar.width - kCloseBoxWidth, bar.y, kCloseBoxWidth, bar.height};
  layout.body = {bar.x, bar.y + bar.height, inner, bodyHeight};
  layout.band = {bar.x, layout.body.y + bodyHeight, inner, kBandHeight};
  int left = layout.band.x + inner - kButtonMargin - row;
  for (int i = 0; i < buttons; ++i, left += kButtonWidth + kButtonGap) {
    layout.buttons[static_cast<std::size_t>(i)] = {
        left, layout.band.y + (kBandHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight};
  }
  return layout;
}

int boxTargetAt(const shell::MessageBox& box, int x, int y) {
  const BoxLayout layout = layOutBox(box);
  for (std::size_t i = 0; i < box.buttons().size(); ++i) {
    if (layout.buttons[i].contains(x, y)) return static_cast<int>(i);
  }
  return layout.closeBox.contains(x, y) ? shell::MessageBox::kCloseBox : shell::MessageBox::kNone;
}

}  // namespace vantorix::sdl
