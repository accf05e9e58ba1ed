#include "app/shell/menu.h"

#include "app/game.h"
#include "app/texts.h"

namespace vantorix::shell {

namespace {

constexpr std::array<MenuItem, kMenuItemCount> kItems{{
    {texts::kMenuStart, kCommandStart},
    {texts::kMenuQuit, kCommandQuit},
}};

constexpr MenuReply kTaken{true, false, 0};

}  // namespace

const std::array<MenuItem, kMenuItemCount>& menuItems() {
  return kItems;
}

std::string_view menuTitle() {
  return texts::kMenuGame;
}

MenuReply Menu::moveTo(Mode mode, int highlighted) {
  const bool changed = mode != mode_ || highlighted != highlighted_;
  mode_ = mode;
  highlighted_ = highlighted;
  return {true, changed, 0};
}

MenuReply Menu::choose(int item) {
  MenuReply reply = moveTo(Mode::kClosed, -1);
  reply.command = kItems[static_cast<std::size_t>(item)].command;
  return reply;
}

int Menu::itemUnder(MenuTarget target) const {
  const bool onItem = mode_ == Mode::kOpen && target.part == MenuTarget::Part::kItem &&
                      target.item >= 0 && target.item < kMenuItemCount;
  return onItem ? target.item : -1;
}

MenuReply Menu::close() {
  altAlone_ = false;
  MenuReply reply = moveTo(Mode::kClosed, -1);
  reply.consumed = false;
  return reply;
}

MenuReply Menu::openAtFirstItem() {
  altAlone_ = false;
  return moveTo(Mode::kOpen, 0);
}

MenuReply Menu::keyDown(const KeyInput& key) {
  const int code = key.virtualKey;
  const bool alt = code == kVkAlt;
  // With Alt held a key is the system's, never the game's; it only makes
  // the Alt no lone one.
  if (key.alt && !alt) {
    altAlone_ = false;
    return kTaken;
  }
  // A held F10 or Alt does not work the menu over and over.
  if (key.repeat && (alt || code == kVkF10)) return kTaken;
  altAlone_ = alt;
  switch (mode_) {
    case Mode::kClosed:
      if (code == kVkF10) return moveTo(Mode::kBarSelected, -1);
      return {alt, false, 0};
    case Mode::kBarSelected:
      if (code == kVkF10 || code == kVkEscape) return moveTo(Mode::kClosed, -1);
      if (code == kVkDown || code == kVkReturn) return moveTo(Mode::kOpen, 0);
      if (code == kVkUp) return moveTo(Mode::kOpen, kMenuItemCount - 1);
      return kTaken;
    case Mode::kOpen:
      if (code == kVkF10) return moveTo(Mode::kClosed, -1);
      if (code == kVkEscape) return moveTo(Mode::kBarSelected, -1);
      if (code == kVkDown) return moveTo(Mode::kOpen, (highlighted_ + 1) % kMenuItemCount);
      if (code == kVkUp) {
        return moveTo(Mode::kOpen, highlighted_ <= 0 ? kMenuItemCount - 1 : highlighted_ - 1);
      }
      if (code == kVkReturn && highlighted_ >= 0) return choose(highlighted_);
      // Left and right lead to the next popup of the bar: there is only
      // this one.
      return kTaken;
  }
  return {};
}

MenuReply Menu::keyUp(const KeyInput& key) {
  if (key.virtualKey != kVkAlt) return {};
  const bool alone = altAlone_;
  altAlone_ = false;
  if (!alone) return kTaken;
  return moveTo(active() ? Mode::kClosed : Mode::kBarSelected, -1);
}

MenuReply Menu::pointerDown(MenuTarget target) {
  altAlone_ = false;
  using Part = MenuTarget::Part;
  if (target.part == Part::kTitle) {
    return moveTo(mode_ == Mode::kOpen ? Mode::kClosed : Mode::kOpen, -1);
  }
  if (mode_ == Mode::kOpen && (target.part == Part::kPopup || target.part == Part::kItem)) {
    return moveTo(Mode::kOpen, itemUnder(target));
  }
  if (active()) return moveTo(Mode::kClosed, -1);
  return {};
}

MenuReply Menu::pointerUp(MenuTarget target) {
  if (mode_ != Mode::kOpen) return {};
  const int item = itemUnder(target);
  return item < 0 ? kTaken : choose(item);
}

MenuReply Menu::pointerMove(MenuTarget target) {
  if (mode_ != Mode::kOpen) return {};
  if (target.part == MenuTarget::Part::kTitle) return kTaken;
  return moveTo(Mode::kOpen, itemUnder(target));
}

}  // namespace vantorix::shell
