#include "tools/spritegen/spritegen.h"

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include "render/sprite_set.h"
#include "tools/spritegen/file_io.h"
#include "tools/spritegen/image_files.h"
#include "tools/spritegen/lettering_table.h"
#include "tools/spritegen/painter.h"
#include "tools/spritegen/picture_source.h"
#include "tools/spritegen/source_error.h"
#include "tools/spritegen/tokens.h"

namespace vantorix::spritegen {

namespace {

namespace fs = std::filesystem;

// Far above any desktop's largest icon.
constexpr int kMaxIconPngSide = 32 * kIconSide;

std::string bitmapName(int number) {
  return std::string(ResourceName(static_cast<Sprite>(number)).view());
}

struct Painted {
  std::string file;
  int line;
  Canvas canvas;
};

class Run {
 public:
  Run(fs::path outputDir, std::vector<int> iconPngSides)
      : outputDir_(std::move(outputDir)), iconPngSides_(std::move(iconPngSides)) {}

  void addSource(const std::string& file) {
    const auto text = readFile(file);
    if (!text) throw SourceError(file, 0, "cannot read the file");
    const PictureSource source = parsePictureSource(*text, file);
    for (const Output& output : source.outputs) {
      Painted painted{file, output.line, paintOutput(source, output, fonts_)};
      if (const auto* bitmap = std::get_if<BitmapOutput>(&output.target)) {
        claim(bitmaps_[bitmap->number - 1], std::move(painted), bitmapName(bitmap->number));
      } else {
        const std::string& name = std::get<IconOutput>(output.target).fileName;
        claim(icons_[name], std::move(painted), name);
      }
    }
  }

  // The font the shells letter their own texts with.
  void setLettering(const std::string& file) {
    const auto text = readFile(file);
    if (!text) throw SourceError(file, 0, "cannot read the file");
    lettering_.emplace(parseFont(*text, file), fs::path(file).filename().generic_string());
  }

  void write() const {
    std::array<const Canvas*, kSpriteCount> sprites{};
    for (int i = 0; i < kSpriteCount; ++i) {
      const auto& painted = bitmaps_[static_cast<std::size_t>(i)];
      if (!painted) {
        throw SourceError("vantorix-spritegen", 0, "no source makes " + bitmapName(i + 1));
      }
      sprites[static_cast<std::size_t>(i)] = &painted->canvas;
    }
    std::error_code ec;
    fs::create_directories(outputDir_, ec);
    for (int i = 0; i < kSpriteCount; ++i) {
      save(bitmapName(i + 1) + ".bmp", encodeBmp(*sprites[static_cast<std::size_t>(i)]));
    }
    for (const auto& [name, painted] : icons_) {
      const auto bytes = encodeIcon(painted->canvas);
      if (!bytes) {
        throw SourceError(painted->file, painted->line,
                          "an icon must be 32 x 32 with at most 16 colours, black included");
      }
      save(name, *bytes);
      const std::string stem = fs::path(name).stem().string();
      for (const int side : iconPngSides_) {
        save(stem + "-" + std::to_string(side) + ".png",
             encodeScaledPng(painted->canvas, side / kIconSide));
      }
    }
    save(kSpriteTableFile, spriteTableSource(sprites));
    if (lettering_) {
      save(kLetteringTableFile, letteringTableSource(lettering_->first, lettering_->second));
    }
  }

 private:
  template <typename Slot>
  static void claim(Slot& slot, Painted painted, const std::string& name) {
    if (slot) {
      throw SourceError(
          painted.file, painted.line,
          name + " is already made at " + slot->file + ":" + std::to_string(slot->line));
    }
    slot.emplace(std::move(painted));
  }

  template <typename Bytes>
  void save(const std::string& name, const Bytes& bytes) const {
    const fs::path path = outputDir_ / name;
    if (!writeFile(path, bytes)) {
      throw SourceError(path.generic_string(), 0, "cannot write the file");
    }
  }

  fs::path outputDir_;
  std::vector<int> iconPngSides_;
  FontCache fonts_;
  std::array<std::optional<Painted>, kSpriteCount> bitmaps_;
  std::map<std::string, std::optional<Painted>> icons_;
  std::optional<std::pair<Font, std::string>> lettering_;  // the font and its file name
};

}  // namespace

int runSpritegen(const std::vector<std::string>& arguments, std::ostream& err) {
  std::optional<std::string> lettering;
  std::vector<int> iconPngSides;
  std::size_t next = 1;
  for (; next + 1 < arguments.size(); next += 2) {
    const std::string& option = arguments[next];
    const std::string& value = arguments[next + 1];
    if (option == kLetteringOption) {
      lettering = value;
    } else if (option == kIconPngOption) {
      const auto side = parseInt(value, kIconSide, kMaxIconPngSide);
      if (!side || *side % kIconSide != 0) {
        err << "vantorix-spritegen: " << kIconPngOption << " wants a whole multiple of "
            << kIconSide << " up to " << kMaxIconPngSide << ", not '" << value << "'\n";
        return 2;
      }
      iconPngSides.push_back(*side);
    } else {
      break;
    }
  }
  if (next >= arguments.size() || arguments[next].starts_with("--")) {
    err << "usage: vantorix-spritegen OUTPUT_DIR [" << kLetteringOption << " FONT] ["
        << kIconPngOption << " SIDE]... SOURCE...\n";
    return 2;
  }
  try {
    Run run(arguments[0], std::move(iconPngSides));
    if (lettering) run.setLettering(*lettering);
    for (; next < arguments.size(); ++next)
      run.addSource(arguments[next]);
    run.write();
    return 0;
  } catch (const SourceError& e) {
    err << e.what() << '\n';
  } catch (const std::exception& e) {
    err << "vantorix-spritegen: " << e.what() << '\n';
  }
  return 1;
}

}  // namespace vantorix::spritegen
