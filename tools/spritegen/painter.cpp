#include "tools/spritegen/painter.h"

#include <algorithm>
#include <cstdint>

#include "tools/spritegen/file_io.h"
#include "tools/spritegen/source_error.h"

namespace vantorix::spritegen {

const Font& FontCache::get(const std::filesystem::path& path, const std::string& usedIn, int line) {
  if (const auto found = fonts_.find(path); found != fonts_.end()) return found->second;
  const auto text = readFile(path);
  if (!text) throw SourceError(usedIn, line, "cannot read font " + path.generic_string());
  return fonts_.emplace(path, parseFont(*text, path.generic_string())).first->second;
}

namespace {

// Deep enough for a sprite on the title; a loop of pictures ends here.
constexpr int kMaxPictureDepth = 4;

class Painter {
 public:
  Painter(const PictureSource& source, const BitmapOutput* bitmap, FontCache& fonts, int depth)
      : source_(source),
        bitmap_(bitmap),
        fonts_(fonts),
        depth_(depth),
        canvas_(source.width, source.height) {}

  Canvas run() && {
    for (const DrawStep& step : source_.steps) {
      std::visit([this](const auto& s) { draw(s); }, step);
    }
    if (bitmap_ != nullptr && bitmap_->grey) canvas_.turnGrey();
    return std::move(canvas_);
  }

 private:
  Rgb resolve(const ColourRef& ref) const {
    if (ref.name.empty()) return ref.rgb;
    if (bitmap_ != nullptr) {
      for (const auto& [name, rgb] : bitmap_->overrides) {
        if (name == ref.name) return rgb;
      }
    }
    return ref.rgb;
  }

  void block(int x, int y, int size, Rgb colour) {
    for (int dy = 0; dy < size; ++dy) {
      for (int dx = 0; dx < size; ++dx)
        canvas_.paint(x + dx, y + dy, colour);
    }
  }

  void draw(const FillStep& s) {
    const Rgb colour = resolve(s.colour);
    for (int y = s.y; y < s.y + s.height; ++y) {
      for (int x = s.x; x < s.x + s.width; ++x)
        canvas_.paint(x, y, colour);
    }
  }

  // Pixel centres inside the ellipse; a zero radius gives a one-pixel line.
  void draw(const EllipseStep& s) {
    const Rgb colour = resolve(s.colour);
    const std::int64_t rx = s.radiusX;
    const std::int64_t ry = s.radiusY;
    const std::int64_t rx2 = rx * rx + rx;  // half a pixel more, for rounder edges
    const std::int64_t ry2 = ry * ry + ry;
    // Only the rows and columns that lie on the picture.
    const std::int64_t top = std::max<std::int64_t>(-ry, -std::int64_t{s.centreY});
    const std::int64_t bottom =
        std::min<std::int64_t>(ry, canvas_.height() - 1 - std::int64_t{s.centreY});
    const std::int64_t left = std::max<std::int64_t>(-rx, -std::int64_t{s.centreX});
    const std::int64_t right =
        std::min<std::int64_t>(rx, canvas_.width() - 1 - std::int64_t{s.centreX});
    for (std::int64_t dy = top; dy <= bottom; ++dy) {
      for (std::int64_t dx = left; dx <= right; ++dx) {
        if (dx * dx * ry2 + dy * dy * rx2 <= rx2 * ry2 || rx == 0 || ry == 0) {
          canvas_.paint(s.centreX + static_cast<int>(dx), s.centreY + static_cast<int>(dy), colour);
        }
      }
    }
  }

  void draw(const TextStep& s) {
    const std::filesystem::path dir = std::filesystem::path(source_.file).parent_path();
    const Font& font = fonts_.get(dir / s.fontFile, source_.file, s.line);
    for (const char32_t c : s.text) {
      if (!font.glyphs.contains(c)) {
        throw SourceError(source_.file, s.line,
                          "font " + s.fontFile + " has no glyph for U+" + hex(c));
      }
    }
    const int width = font.textWidth(s.text) * s.scale;
    const int left = s.x ? *s.x : (source_.width - width) / 2;
    const int bottom = s.y + font.height * s.scale;
    if (left < 0 || s.y < 0 || left + width > source_.width || bottom > source_.height) {
      throw SourceError(source_.file, s.line, "the text runs past the edge of the picture");
    }
    const Rgb colour = resolve(s.colour);
    int penX = left;
    for (const char32_t c : s.text) {
      const Glyph& glyph = font.glyphs.at(c);
      for (int row = 0; row < font.height; ++row) {
        for (int col = 0; col < glyph.width; ++col) {
          if (glyph.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '#') {
            block(penX + col * s.scale, s.y + row * s.scale, s.scale, colour);
          }
        }
      }
      penX += (glyph.width + font.spacing) * s.scale;
    }
  }

  void draw(const GridStep& s) {
    for (std::size_t row = 0; row < s.rows.size(); ++row) {
      const std::string& line = s.rows[row];
      for (std::size_t col = 0; col < line.size(); ++col) {
        const std::optional<ColourRef>& key = source_.keys.at(line[col]);
        if (!key) continue;
        block(s.x + static_cast<int>(col) * s.scale, s.y + static_cast<int>(row) * s.scale, s.scale,
              resolve(*key));
      }
    }
  }

  void draw(const PictureStep& s) {
    if (depth_ >= kMaxPictureDepth) {
      throw SourceError(source_.file, s.line, "pictures inside pictures nest too deep (a loop?)");
    }
    const std::filesystem::path path = std::filesystem::path(source_.file).parent_path() / s.file;
    const auto text = readFile(path);
    if (!text)
      throw SourceError(source_.file, s.line, "cannot read picture " + path.generic_string());
    const PictureSource inner = parsePictureSource(*text, path.generic_string());
    const Canvas picture = Painter(inner, nullptr, fonts_, depth_ + 1).run();
    if (s.x + picture.width() * s.scale > source_.width ||
        s.y + picture.height() * s.scale > source_.height) {
      throw SourceError(source_.file, s.line, "the picture runs past the edge");
    }
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.painted(x, y)) {
          block(s.x + x * s.scale, s.y + y * s.scale, s.scale, picture.colour(x, y));
        }
      }
    }
  }

  static std::string hex(char32_t c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (int shift = 16; shift >= 0; shift -= 4) {
      const auto digit = (static_cast<std::uint32_t>(c) >> shift) & 0xFu;
      if (!out.empty() || digit != 0 || shift <= 12) out.push_back(kDigits[digit]);
    }
    return out;
  }

  const PictureSource& source_;
  const BitmapOutput* bitmap_;
  FontCache& fonts_;
  int depth_;
  Canvas canvas_;
};

}  // namespace

Canvas paintOutput(const PictureSource& source, const Output& output, FontCache& fonts) {
  return Painter(source, std::get_if<BitmapOutput>(&output.target), fonts, 0).run();
}

}  // namespace vantorix::spritegen
