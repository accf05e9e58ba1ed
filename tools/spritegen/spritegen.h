// The generator's whole run: read every picture source, paint every output,
// check that MYBP1..MYBP16 are each made exactly once, and write the files.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantorix::spritegen {

inline constexpr const char* kSpriteTableFile = "sprite_images.cpp";
inline constexpr const char* kLetteringOption = "--lettering";
inline constexpr const char* kIconPngOption = "--icon-png";

// arguments: OUTPUT_DIR [--lettering FONT] [--icon-png SIDE]... SOURCE...
// With --lettering the font is also written as the shells' glyph table; each
// --icon-png SIDE also writes every icon NAME.ico as NAME-SIDE.png, enlarged
// by a whole factor. Returns the exit status; every fault is one line on err,
// naming the file and line where it lies.
int runSpritegen(const std::vector<std::string>& arguments, std::ostream& err);

}  // namespace vantorix::spritegen
