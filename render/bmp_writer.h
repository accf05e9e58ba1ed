// Pictures out as Windows bitmap files: uncompressed, 24 bits per pixel,
// rows bottom-up and padded to four bytes, as any viewer reads them.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

#include "render/pixel_canvas.h"

namespace vantorix {

// Writes a width x height picture given as top-down blue, green, red bytes.
// False if the picture does not fit its bytes or the stream failed.
bool writeBmp(std::ostream& out, int width, int height, std::span<const std::uint8_t> topDownBgr);

// Writes the whole client area to a file; false if it could not be written.
bool writeBmpFile(const std::string& path, const PixelCanvas& canvas);

}  // namespace vantorix
