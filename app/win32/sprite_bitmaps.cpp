#include "app/win32/sprite_bitmaps.h"

#include <cstddef>

namespace vantorix::win32 {

namespace {

constexpr std::array<const char*, kSpriteCount> kResourceNames = {
    "MYBP1", "MYBP2",  "MYBP3",  "MYBP4",  "MYBP5",  "MYBP6",  "MYBP7",  "MYBP8",
    "MYBP9", "MYBP10", "MYBP11", "MYBP12", "MYBP13", "MYBP14", "MYBP15", "MYBP16"};

std::size_t slotOf(Sprite sprite) {
  return static_cast<std::size_t>(resourceNumber(sprite) - 1);
}

}  // namespace

void SpriteBitmaps::load(HINSTANCE instance) {
  for (std::size_t i = 0; i < handles_.size(); ++i) {
    handles_[i] = LoadBitmapA(instance, kResourceNames[i]);
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
