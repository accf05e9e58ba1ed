// The program's lettering as C++: one font of the sprite sources written as
// the glyph table the shells draw their own texts with (render/lettering.h).
#pragma once

#include <string>

#include "tools/spritegen/font.h"

namespace vantorix::spritegen {

inline constexpr const char* kLetteringTableFile = "lettering_table.cpp";

// A C++ source defining vantorix::lettering() for `font`, read from `sourceName`.
std::string letteringTableSource(const Font& font, const std::string& sourceName);

}  // namespace vantorix::spritegen
