// A pad's or the screen's controls in a session: held controls become the
// keys the game, the menu and the boxes already take.
#include "app/shell/session.h"

namespace vantorix::shell {

namespace {

int arrowOf(Control control) {
  switch (control) {
    case Control::kLeft:
      return kVkLeft;
    case Control::kUp:
      return kVkUp;
    case Control::kRight:
      return kVkRight;
    case Control::kDown:
      return kVkDown;
    default:
      return 0;
  }
}

}  // namespace

void Session::holdControls(std::int32_t holder, ControlSet held) {
  if (replay_ != nullptr || ended_) return;
  const HeldControls::Changes changes = held_.hold(holder, held, host_.now());
  letGo(changes);
  for (int i = 0; i < kControlCount && !ended_; ++i) {
    const auto control = static_cast<Control>(i);
    if (holds(changes.pressed, control)) controlDown(control);
  }
}

void Session::letGo(const HeldControls::Changes& changes) {
  for (int i = 0; i < kControlCount && !ended_; ++i) {
    const auto control = static_cast<Control>(i);
    if (holds(changes.released, control)) controlUp(control);
  }
}

int Session::place() const {
  if (openBoxes_ > 0) return kPlaceBox + openBoxes_ - 1;
  return menu_.active() ? kPlaceMenu : kPlaceGame;
}

void Session::controlDown(Control control) {
  const int where = place();
  if (control == Control::kBack) {
    if (where >= kPlaceBox) {
      keyDown({box(where - kPlaceBox).closable() ? kVkEscape : kVkN});
    } else if (where == kPlaceMenu) {
      follow(menu_.close());
    }
    return;
  }
  if (control == Control::kStart) {
    if (where == kPlaceMenu) follow(menu_.close());
    if (where == kPlaceGame) follow(menu_.openAtFirstItem());
    return;
  }
  // A box's button goes down with fire and answers when it comes up, as
  // with Space; the menu chooses with Return.
  const int key =
      control == Control::kFire ? (where == kPlaceMenu ? kVkReturn : kVkSpace) : arrowOf(control);
  heldKeys_[static_cast<std::size_t>(control)] = {key, where};
  keyDown({key});
}

void Session::controlRepeat(Control control) {
  // A control held on into a box that opened meanwhile repeats nothing
  // there: fire held through a loss must not answer its box.
  const HeldKey& held = heldKeys_[static_cast<std::size_t>(control)];
  if (held.place != place()) return;
  KeyInput key{held.virtualKey};
  key.repeat = true;
  keyDown(key);
}

void Session::controlUp(Control control) {
  if (!repeats(control)) return;
  HeldKey& held = heldKeys_[static_cast<std::size_t>(control)];
  if (held.place == place()) keyUp({held.virtualKey});
  held = {};
}

}  // namespace vantorix::shell
