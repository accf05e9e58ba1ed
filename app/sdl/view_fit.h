// Where the field goes in a window of any size: below the menu bar, scaled by
// the largest whole factor that fits there (never below 1), centred in that
// space, the rest black.
#pragma once

namespace vantorix::sdl {

struct ViewFit {
  int scale = 1;
  int left = 0;  // the field's top-left corner in the window
  int top = 0;
};

ViewFit fitField(int windowWidth, int windowHeight);

struct FieldPoint {
  int x;
  int y;
  bool inside;  // false when the window point lies beside the field
};

// The field pixel under a window point.
FieldPoint toField(const ViewFit& fit, int windowX, int windowY);

}  // namespace vantorix::sdl
