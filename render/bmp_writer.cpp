#include "render/bmp_writer.h"

#include <fstream>
#include <vector>

#include "render/bmp_encoder.h"

namespace vantorix {

bool writeBmpFile(const std::string& path, const PixelCanvas& canvas) {
  const std::vector<std::uint8_t> bytes = encodeBmp(kClientWidth, kClientHeight, canvas.bgr());
  if (bytes.empty()) return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace vantorix
