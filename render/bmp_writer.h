// Frames out as Windows bitmap files, for the simulator's `frame`.
#pragma once

#include <filesystem>

#include "render/pixel_canvas.h"

namespace vantorix {

// Writes the whole client area to a file; false if it could not be written.
bool writeBmpFile(const std::filesystem::path& path, const PixelCanvas& canvas);

}  // namespace vantorix
