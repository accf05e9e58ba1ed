// Paints one output of a picture source: its steps in order, with that
// output's colour replacements, greyed if the output asks for it.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "tools/spritegen/canvas.h"
#include "tools/spritegen/font.h"
#include "tools/spritegen/picture_source.h"

namespace vantorix::spritegen {

// Fonts read from disk once, by path.
class FontCache {
 public:
  // Throws SourceError: at the using line if the file cannot be read, in the
  // font file if it is malformed.
  const Font& get(const std::filesystem::path& path, const std::string& usedIn, int line);

 private:
  std::map<std::filesystem::path, Font> fonts_;
};

Canvas paintOutput(const PictureSource& source, const Output& output, FontCache& fonts);

}  // namespace vantorix::spritegen
