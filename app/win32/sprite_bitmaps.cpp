#include "app/win32/sprite_bitmaps.h"

#include <cstddef>

namespace vantorix::win32 {

namespace {

std::size_t slotOf(Sprite sprite) {
  return static_cast<std::size_t>(resourceNumber(sprite) - 1);
}

}  // namespace

void SpriteBitmaps::load(HINSTANCE instance) {
  for (int n = 1; n <= kSpriteCount; ++n) {
    const auto sprite = static_cast<Sprite>(n);
    handles_[slotOf(sprite)] = LoadBitmapA(instance, ResourceName(sprite).c_str());
  }
}

void SpriteBitmaps::release() {
  for (HBITMAP& handle : handles_) {
    DeleteObject(handle);
    handle = nullptr;
  }
}

HBITMAP SpriteBitmaps::operator[](Sprite sprite) const {
  const std::size_t slot = slotOf(sprite);
  return slot < handles_.size() ? handles_[slot] : nullptr;
}

}  // namespace vantorix::win32
