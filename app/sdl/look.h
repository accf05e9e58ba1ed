// The colours of the program's own menu bar and message boxes, those of a
// Windows desktop, so that both look like the system's.
#pragma once

#include "app/sdl/surface_drawing.h"

namespace vantorix::sdl::look {

inline constexpr Colour kFace{240, 240, 240};  // the bar, the box's band
inline constexpr Colour kInk{0, 0, 0};
inline constexpr Colour kPaper{255, 255, 255};
inline constexpr Colour kGrey{160, 160, 160};  // the popup's frame, what cannot be used

// The menu.
inline constexpr Colour kTitleSelected{204, 232, 255};
inline constexpr Colour kTitleFrame{153, 209, 255};
inline constexpr Colour kPopup{242, 242, 242};
inline constexpr Colour kItemSelected{145, 201, 247};
inline constexpr Colour kWarning{196, 0, 0};  // a notice in the bar

// The boxes.
inline constexpr Colour kBoxFrame{100, 100, 100};
inline constexpr Colour kButtonFace{225, 225, 225};
inline constexpr Colour kButtonEdge{173, 173, 173};
inline constexpr Colour kFocusEdge{0, 120, 215};
inline constexpr Colour kPressedFace{204, 228, 247};
inline constexpr Colour kPressedEdge{0, 84, 153};
inline constexpr Colour kClosePressed{232, 17, 35};

}  // namespace vantorix::sdl::look
