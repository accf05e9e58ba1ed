// The sixteen sprite bitmaps, loaded from the program's resources MYBP1 to
// MYBP16 and held from start-up until the window is destroyed.
#pragma once

#include <array>

#include "app/win32/windows_api.h"
#include "render/sprite_set.h"

namespace vantorix::win32 {

class SpriteBitmaps {
 public:
  SpriteBitmaps() = default;
  SpriteBitmaps(const SpriteBitmaps&) = delete;
  SpriteBitmaps& operator=(const SpriteBitmaps&) = delete;

  // Loads MYBP1, MYBP2, ... MYBP16 by name, in that order. A picture that
  // fails to load stays empty and its copies draw nothing.
  void load(HINSTANCE instance);
  // Deletes them in the same order.
  void release();

  HBITMAP operator[](Sprite sprite) const;

 private:
  std::array<HBITMAP, kSpriteCount> handles_{};
};

}  // namespace vantorix::win32
