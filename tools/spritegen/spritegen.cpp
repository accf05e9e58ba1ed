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

namespace vantorix::spritegen {

namespace {

namespace fs = std::filesystem;

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
  explicit Run(fs::path outputDir) : outputDir_(std::move(outputDir)) {}

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
  FontCache fonts_;
  std::array<std::optional<Painted>, kSpriteCount> bitmaps_;
  std::map<std::string, std::optional<Painted>> icons_;
  std::optional<std::pair<Font, std::string>> lettering_;  // the font and its file name
};

}  // namespace

int runSpritegen(const std::vector<std::string>& arguments, std::ostream& err) {
  const bool lettering = arguments.size() > 2 && arguments[1] == kLetteringOption;
  const std::size_t firstSource = lettering ? 3 : 1;
  if (arguments.size() <= firstSource) {
    err << "usage: vantorix-spritegen OUTPUT_DIR [" << kLetteringOption << " FONT] SOURCE...\n";
    return 2;
  }
  try {
    Run run(arguments[0]);
    if (lettering) run.setLettering(arguments[2]);
    for (std::size_t i = firstSource; i < arguments.size(); ++i)
      run.addSource(arguments[i]);
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
