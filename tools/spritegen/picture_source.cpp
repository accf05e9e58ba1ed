#include "tools/spritegen/picture_source.h"

#include "render/sprite_set.h"
#include "tools/spritegen/source_error.h"
#include "tools/spritegen/tokens.h"

namespace vantorix::spritegen {

namespace {

constexpr int kMaxSide = 4096;
constexpr int kMaxCoordinate = 10000;
constexpr int kMaxScale = 64;

class Parser {
 public:
  Parser(std::string_view text, const std::string& file)
      : lines_(splitLines(text)), source_{}, file_(file) {
    source_.file = file;
  }

  PictureSource parse() {
    while (next_ < lines_.size()) {
      const int line = static_cast<int>(next_) + 1;
      const std::string& text = lines_[next_++];
      const auto words = splitWords(text);
      if (!words) fail(line, "a quoted text has no closing '\"'");
      if (words->empty() || (*words)[0][0] == '#') continue;
      directive(line, *words);
    }
    if (source_.width == 0) fail(0, "no 'size W H' line");
    if (source_.outputs.empty()) fail(0, "no 'bitmap' or 'icon' line: the picture goes nowhere");
    checkOverrides();
    return std::move(source_);
  }

 private:
  [[noreturn]] void fail(int line, const std::string& message) const {
    throw SourceError(file_, line, message);
  }

  void expectCount(int line, const std::vector<std::string>& words, std::size_t count,
                   const char* usage) const {
    if (words.size() != count) fail(line, std::string("expected '") + usage + "'");
  }

  int number(int line, const std::string& word, int low, int high, const char* what) const {
    const auto value = parseInt(word, low, high);
    if (!value) {
      fail(line, std::string(what) + " '" + word + "' is not a whole number from " +
                     std::to_string(low) + " to " + std::to_string(high));
    }
    return *value;
  }

  int coordinate(int line, const std::string& word, const char* what) const {
    return number(line, word, -kMaxCoordinate, kMaxCoordinate, what);
  }

  ColourRef colour(int line, const std::string& word) const {
    if (const auto rgb = parseHexColour(word)) return ColourRef{"", *rgb};
    if (isColourName(word) && source_.colours.contains(word)) {
      return ColourRef{word, source_.colours.at(word)};
    }
    fail(line, "unknown colour '" + word + "' (write RRGGBB or a name from a 'colour' line)");
  }

  void directive(int line, const std::vector<std::string>& words) {
    const std::string& name = words[0];
    if (name == "size") return size(line, words);
    if (source_.width == 0) fail(line, "the first line must be 'size W H'");
    if (name == "colour") return colourLine(line, words);
    if (name == "key") return key(line, words);
    if (name == "bitmap") return bitmap(line, words);
    if (name == "icon") return icon(line, words);
    if (name == "fill") return fill(line, words);
    if (name == "ellipse") return ellipse(line, words);
    if (name == "text") return textLine(line, words);
    if (name == "grid") return grid(line, words);
    if (name == "picture") return picture(line, words);
    fail(line, "unknown line '" + name + "'");
  }

  void size(int line, const std::vector<std::string>& words) {
    if (source_.width != 0) fail(line, "the size is given twice");
    expectCount(line, words, 3, "size W H");
    source_.width = number(line, words[1], 1, kMaxSide, "width");
    source_.height = number(line, words[2], 1, kMaxSide, "height");
  }

  void colourLine(int line, const std::vector<std::string>& words) {
    expectCount(line, words, 3, "colour NAME RRGGBB");
    const std::string& name = words[1];
    if (!isColourName(name) || parseHexColour(name)) {
      fail(line, "'" + name + "' cannot be a colour name (lower case letters, digits, '_')");
    }
    if (source_.colours.contains(name)) fail(line, "colour '" + name + "' is defined twice");
    const auto rgb = parseHexColour(words[2]);
    if (!rgb) fail(line, "'" + words[2] + "' is not a colour RRGGBB");
    source_.colours[name] = *rgb;
  }

  void key(int line, const std::vector<std::string>& words) {
    expectCount(line, words, 3, "key CHAR COLOUR");
    const std::string& ch = words[1];
    if (ch.size() != 1 || ch[0] < '!' || ch[0] > '~') {
      fail(line, "a key is one printable ASCII character, not '" + ch + "'");
    }
    if (source_.keys.contains(ch[0])) fail(line, "key '" + ch + "' is defined twice");
    if (words[2] == "none") {
      source_.keys[ch[0]] = std::nullopt;
    } else {
      source_.keys[ch[0]] = colour(line, words[2]);
    }
  }

  void bitmap(int line, const std::vector<std::string>& words) {
    if (words.size() < 2) fail(line, "expected 'bitmap MYBPn [grey] [NAME=RRGGBB]...'");
    const std::string& name = words[1];
    if (name.rfind(kResourcePrefix, 0) != 0) {
      fail(line, "a bitmap is named " + std::string(ResourceName(static_cast<Sprite>(1)).view()) +
                     " to " + std::string(ResourceName(static_cast<Sprite>(kSpriteCount)).view()) +
                     ", not " + name);
    }
    const std::string digits = name.substr(kResourcePrefix.size());
    BitmapOutput out{number(line, digits, 1, kSpriteCount, "bitmap number"), false, {}};
    for (std::size_t i = 2; i < words.size(); ++i) {
      const std::string& word = words[i];
      const std::size_t eq = word.find('=');
      if (word == "grey") {
        out.grey = true;
      } else if (eq != std::string::npos) {
        const auto rgb = parseHexColour(word.substr(eq + 1));
        if (!rgb) fail(line, "'" + word + "' must be NAME=RRGGBB");
        out.overrides.emplace_back(word.substr(0, eq), *rgb);
      } else {
        fail(line, "unknown bitmap option '" + word + "'");
      }
    }
    source_.outputs.push_back(Output{line, out});
  }

  void icon(int line, const std::vector<std::string>& words) {
    expectCount(line, words, 2, "icon NAME.ico");
    const std::string& name = words[1];
    const bool plain = name.find_first_of("/\\:") == std::string::npos;
    if (!plain || name.size() < 5 || name.substr(name.size() - 4) != ".ico") {
      fail(line, "an icon is a plain file name ending in .ico, not '" + name + "'");
    }
    if (source_.width != kIconSide || source_.height != kIconSide) {
      fail(line,
           "an icon must be " + std::to_string(kIconSide) + " x " + std::to_string(kIconSide));
    }
    source_.outputs.push_back(Output{line, IconOutput{name}});
  }

  void fill(int line, const std::vector<std::string>& words) {
    expectCount(line, words, 6, "fill X Y W H COLOUR");
    source_.steps.push_back(
        FillStep{coordinate(line, words[1], "x"), coordinate(line, words[2], "y"),
                 number(line, words[3], 1, kMaxSide, "width"),
                 number(line, words[4], 1, kMaxSide, "height"), colour(line, words[5])});
  }

  void ellipse(int line, const std::vector<std::string>& words) {
    expectCount(line, words, 6, "ellipse CX CY RX RY COLOUR");
    source_.steps.push_back(
        EllipseStep{coordinate(line, words[1], "centre x"), coordinate(line, words[2], "centre y"),
                    number(line, words[3], 0, kMaxSide, "x radius"),
                    number(line, words[4], 0, kMaxSide, "y radius"), colour(line, words[5])});
  }

  void textLine(int line, const std::vector<std::string>& words) {
    expectCount(line, words, 7, "text X|centre Y SCALE COLOUR FONT \"TEXT\"");
    std::optional<int> x;
    if (words[1] != "centre") x = coordinate(line, words[1], "x");
    const int y = coordinate(line, words[2], "y");
    const int scale = number(line, words[3], 1, kMaxScale, "scale");
    ColourRef ink = colour(line, words[4]);
    const std::string& quoted = words[6];
    if (quoted.size() < 3 || quoted.front() != '"' || quoted.back() != '"') {
      fail(line, "the text must be a non-empty \"quoted text\"");
    }
    auto decoded = decodeUtf8(quoted.substr(1, quoted.size() - 2));
    if (!decoded) fail(line, "the text is not valid UTF-8");
    TextStep step{line, x, y, scale, std::move(ink), words[5], std::move(*decoded)};
    source_.steps.push_back(std::move(step));
  }

  void grid(int line, const std::vector<std::string>& words) {
    if (words.size() != 3 && words.size() != 4) fail(line, "expected 'grid X Y [SCALE]'");
    GridStep step{line,
                  number(line, words[1], 0, kMaxSide, "x"),
                  number(line, words[2], 0, kMaxSide, "y"),
                  1,
                  {}};
    if (words.size() == 4) step.scale = number(line, words[3], 1, kMaxScale, "scale");
    while (true) {
      if (next_ >= lines_.size()) fail(line, "the grid has no 'end' line");
      const int rowLine = static_cast<int>(next_) + 1;
      const std::string& row = lines_[next_++];
      if (row == "end") break;
      if (row.empty()) fail(rowLine, "empty grid row");
      if (!step.rows.empty() && row.size() != step.rows[0].size()) {
        fail(rowLine, "this row is " + std::to_string(row.size()) + " wide, the first row " +
                          std::to_string(step.rows[0].size()));
      }
      for (std::size_t i = 0; i < row.size(); ++i) {
        if (!source_.keys.contains(row[i])) {
          fail(rowLine, "column " + std::to_string(i + 1) + ": no key '" + std::string(1, row[i]) +
                            "' (add a 'key' line above the grid)");
        }
      }
      step.rows.push_back(row);
    }
    if (step.rows.empty()) fail(line, "the grid has no rows");
    const long right = step.x + static_cast<long>(step.rows[0].size()) * step.scale;
    const long bottom = step.y + static_cast<long>(step.rows.size()) * step.scale;
    if (right > source_.width || bottom > source_.height) {
      fail(line, "the grid reaches (" + std::to_string(right) + ", " + std::to_string(bottom) +
                     "), past the picture's " + std::to_string(source_.width) + " x " +
                     std::to_string(source_.height));
    }
    source_.steps.push_back(std::move(step));
  }

  void picture(int line, const std::vector<std::string>& words) {
    expectCount(line, words, 5, "picture X Y SCALE FILE");
    source_.steps.push_back(PictureStep{line, number(line, words[1], 0, kMaxSide, "x"),
                                        number(line, words[2], 0, kMaxSide, "y"),
                                        number(line, words[3], 1, kMaxScale, "scale"), words[4]});
  }

  void checkOverrides() const {
    for (const Output& out : source_.outputs) {
      const auto* bitmapOut = std::get_if<BitmapOutput>(&out.target);
      if (bitmapOut == nullptr) continue;
      for (const auto& [name, rgb] : bitmapOut->overrides) {
        if (!source_.colours.contains(name)) {
          fail(out.line, "the bitmap replaces colour '" + name + "', which no 'colour' line names");
        }
      }
    }
  }

  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  PictureSource source_;
  std::string file_;
};

}  // namespace

PictureSource parsePictureSource(std::string_view text, const std::string& file) {
  return Parser(text, file).parse();
}

}  // namespace vantorix::spritegen
