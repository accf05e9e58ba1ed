#include <gtest/gtest.h>

#include <cstdlib>

#include "app/sdl/box_layout.h"
#include "app/sdl/menu_layout.h"
#include "app/texts.h"
#include "render/client_area.h"
#include "render/lettering.h"

namespace vantorix::sdl {
namespace {

using shell::MenuTarget;
using shell::MessageBox;

bool operator==(const MenuTarget& a, const MenuTarget& b) {
  return a.part == b.part && a.item == b.item;
}

TEST(SdlMenuLayout, WindowPointsHitTheMenusParts) {
  EXPECT_EQ(menuBarRect(1000).height, kMenuBarHeight);
  EXPECT_EQ(menuBarRect(1000).width, 1000);  // across the whole window
  const Rect popup = menuPopupRect();
  EXPECT_EQ(popup.y, kMenuBarHeight);  // right below the bar
  EXPECT_LE(textWidth(shell::menuTitle()), menuTitleRect().width);
  const struct {
    int x, y;
    bool open;
    MenuTarget target;
  } cases[] = {
      {20, 10, false, MenuTarget::title()},
      {20, 10, true, MenuTarget::title()},
      {400, 10, true, MenuTarget::elsewhere()},  // the empty bar
      {0, kMenuBarHeight, true, MenuTarget::popup()},
      {40, 32, false, MenuTarget::elsewhere()},  // the field below a closed menu
      {300, 300, true, MenuTarget::elsewhere()},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(menuTargetAt(c.x, c.y, c.open) == c.target) << c.x << "," << c.y;
  for (int item = 0; item < shell::kMenuItemCount; ++item) {
    const Rect rect = menuItemRect(item);
    EXPECT_TRUE(menuTargetAt(rect.x, rect.y, true) == MenuTarget::itemAt(item));
    EXPECT_TRUE(menuTargetAt(rect.x + rect.width - 1, rect.y + rect.height - 1, true) ==
                MenuTarget::itemAt(item));
    EXPECT_TRUE(menuTargetAt(rect.x - 1, rect.y, true) == MenuTarget::popup());
    EXPECT_TRUE(popup.contains(rect.x + rect.width - 1, rect.y + rect.height - 1));
  }
}

// Every box the game opens lies whole on the field, centred, with its
// buttons in its band, and a field point hits the part under it.
TEST(SdlBoxLayout, EveryBoxFitsCentredOnTheField) {
  const struct {
    texts::BoxText words;
    BoxButtons buttons;
  } boxes[] = {
      {texts::kStartBox, BoxButtons::kOk},       {texts::kQuitBox, BoxButtons::kYesNo},
      {texts::kWinBox, BoxButtons::kOk},         {texts::kLossBox, BoxButtons::kOk},
      {texts::kContinueBox, BoxButtons::kYesNo},
  };
  for (const auto& b : boxes) {
    const MessageBox box(b.words.text, b.words.caption, b.buttons);
    const BoxLayout layout = layOutBox(box);
    const Rect& f = layout.frame;
    EXPECT_GE(f.x, 0) << b.words.text;
    EXPECT_GE(f.y, 0) << b.words.text;
    EXPECT_LE(std::abs((kClientWidth - f.width) - 2 * f.x), 1) << b.words.text;
    EXPECT_LE(std::abs((kClientHeight - f.height) - 2 * f.y), 1) << b.words.text;
    EXPECT_EQ(layout.band.y + layout.band.height + 1, f.y + f.height) << b.words.text;
    for (std::size_t i = 0; i < box.buttons().size(); ++i) {
      const Rect& r = layout.buttons[i];
      EXPECT_TRUE(layout.band.contains(r.x, r.y)) << b.words.text;
      EXPECT_TRUE(layout.band.contains(r.x + r.width - 1, r.y + r.height - 1)) << b.words.text;
      EXPECT_EQ(boxTargetAt(box, r.x + r.width / 2, r.y + r.height / 2), static_cast<int>(i));
    }
    const Rect& close = layout.closeBox;
    EXPECT_EQ(boxTargetAt(box, close.x, close.y), MessageBox::kCloseBox);
    EXPECT_EQ(boxTargetAt(box, layout.body.x + 1, layout.body.y + 1), MessageBox::kNone);
    EXPECT_EQ(boxTargetAt(box, f.x - 1, f.y), MessageBox::kNone);
  }
}

}  // namespace
}  // namespace vantorix::sdl
