// Frames out as Windows bitmap files, for the simulator's `frame`. The path is
// a plain string: the web build's C++ library has no <filesystem>.
#pragma once

#include <string>

#include "render/pixel_canvas.h"

namespace vantorix {

// Writes the whole client area to a file; false if it could not be written.
bool writeBmpFile(const std::string& path, const PixelCanvas& canvas);

}  // namespace vantorix
