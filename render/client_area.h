// The size of the window's client area: the whole title picture and the whole
// play field. Every shell sizes its window from it; nothing is drawn beyond it.
#pragma once

namespace vantorix {

inline constexpr int kClientWidth = 767;
inline constexpr int kClientHeight = 480;

}  // namespace vantorix
