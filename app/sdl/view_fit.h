// Where the picture goes in a window of any size: scaled by the largest whole
// factor that fits (never below 1), centred, the rest black.
#pragma once

namespace vantorix::sdl {

struct ViewFit {
  int scale = 1;
  int left = 0;  // the picture's top-left corner in the window
  int top = 0;
};

ViewFit fitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

struct PicturePoint {
  int x;
  int y;
  bool inside;  // false when the window point lies on the black border
};

// The picture pixel under a window point.
PicturePoint toPicture(const ViewFit& fit, int windowX, int windowY, int pictureWidth,
                       int pictureHeight);

}  // namespace vantorix::sdl
