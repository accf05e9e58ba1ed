// Where the field and the boxes go in a window of any size, below the menu
// bar: the field scaled by the largest whole factor that fits there, or,
// where not even its own size fits, shrunk smoothly to fit whole, its shape
// kept; centred in that space, the rest black. The boxes lie on the field,
// scaled with it, but over a shrunk field they keep their own size, centred
// on it, so that their words stay readable.
#pragma once

#include "app/sdl/menu_layout.h"
#include "app/sdl/rect.h"
#include "render/client_area.h"

namespace vantorix::sdl {

// The smallest window the program asks for: half the field below the bar.
// Shrunk further, a smooth scaling skips whole rows and columns and the shot
// may vanish between them; the boxes fit whole in it.
inline constexpr int kSmallestWindowWidth = (kClientWidth + 1) / 2;
inline constexpr int kSmallestWindowHeight = kMenuBarHeight + kClientHeight / 2;

// Where the client area's point (0, 0) lies in the window, and how many
// window pixels wide each of its pixels is.
struct Plane {
  int left = 0;
  int top = 0;
  int scale = 1;
};

struct ViewFit {
  Rect field{0, kMenuBarHeight, kClientWidth, kClientHeight};  // in window pixels
  Plane boxes;  // the plane the boxes are laid out on
  // Smaller than its own size, so smoothed.
  bool shrunk() const { return field.width < kClientWidth; }
};

ViewFit fitField(int windowWidth, int windowHeight);

struct FieldPoint {
  int x;
  int y;
  bool inside;  // false when the window point lies beside the client area
};

// The client-area pixel under a window point, on `plane`.
FieldPoint toField(const Plane& plane, int windowX, int windowY);

}  // namespace vantorix::sdl
