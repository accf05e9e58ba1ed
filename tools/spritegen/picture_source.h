// A picture source: its size, its colours and grid keys, the drawing steps
// that paint it, and the files it becomes (see resources/sprites/README.md).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "tools/spritegen/colour.h"

namespace vantorix::spritegen {

// A colour as written in a step: a named colour (which an output may
// override) or a literal one when the name is empty.
struct ColourRef {
  std::string name;
  Rgb rgb;
};

struct FillStep {
  int x, y, width, height;
  ColourRef colour;
};

struct EllipseStep {
  int centreX, centreY, radiusX, radiusY;
  ColourRef colour;
};

struct TextStep {
  int line;
  std::optional<int> x;  // nullopt: centred across the picture
  int y;
  int scale;
  ColourRef colour;
  std::string fontFile;  // relative to the source's directory
  std::u32string text;
};

struct GridStep {
  int line;
  int x, y, scale;
  std::vector<std::string> rows;  // one key character per pixel
};

// Another source's picture, its painted pixels only, so a sprite can appear
// on the title or in the icon without being drawn twice.
struct PictureStep {
  int line;
  int x, y, scale;
  std::string file;  // relative to the source's directory
};

using DrawStep = std::variant<FillStep, EllipseStep, TextStep, GridStep, PictureStep>;

struct BitmapOutput {
  int number;  // n of MYBPn
  bool grey;
  std::vector<std::pair<std::string, Rgb>> overrides;  // colour name, replacement
};

// Every icon is painted this size; its PNGs are whole multiples of it.
inline constexpr int kIconSide = 32;

struct IconOutput {
  std::string fileName;
};

struct Output {
  int line;
  std::variant<BitmapOutput, IconOutput> target;
};

struct PictureSource {
  std::string file;
  int width = 0;
  int height = 0;
  std::map<std::string, Rgb> colours;
  std::map<char, std::optional<ColourRef>> keys;  // nullopt: the key paints nothing
  std::vector<DrawStep> steps;
  std::vector<Output> outputs;
};

// Throws SourceError naming the file and line of the first fault.
PictureSource parsePictureSource(std::string_view text, const std::string& file);

}  // namespace vantorix::spritegen
