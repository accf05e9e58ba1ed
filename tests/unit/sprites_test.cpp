// The sprite pictures as the game links them, and the generator's refusal of
// broken sources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "render/sprite_set.h"
#include "tools/spritegen/picture_source.h"
#include "tools/spritegen/source_error.h"
#include "tools/spritegen/spritegen.h"

namespace vantorix {
namespace {

struct Rgb {
  int r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << '(' << c.r << ',' << c.g << ',' << c.b << ')';
  }
};

Rgb pixel(const SpriteImage& image, int x, int y) {
  const std::uint8_t* p = image.bgr + (static_cast<std::size_t>(y) * image.width + x) * 3;
  return Rgb{p[2], p[1], p[0]};
}

bool allPixels(const SpriteImage& image, Rgb colour) {
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!(pixel(image, x, y) == colour)) return false;
    }
  }
  return true;
}

struct Listed {
  Sprite sprite;
  int width, height;
  bool blackGround;
};

constexpr Listed kListed[] = {
    {Sprite::kFighter, 26, 30, true},       {Sprite::kRedBullet, 11, 10, true},
    {Sprite::kPlayerShip, 28, 27, true},    {Sprite::kPlayerShot, 26, 29, true},
    {Sprite::kTitle, 767, 480, false},      {Sprite::kExplosion, 31, 30, true},
    {Sprite::kHeavy, 65, 44, true},         {Sprite::kHeavyFlash, 65, 44, true},
    {Sprite::kBlueBullet, 11, 10, true},    {Sprite::kBannerBright, 267, 45, true},
    {Sprite::kBannerMedium, 267, 45, true}, {Sprite::kBannerDark, 267, 45, true},
    {Sprite::kHealthBar, 379, 30, false},   {Sprite::kHealthNotch, 3, 28, true},
    {Sprite::kBoss, 28, 29, true},          {Sprite::kBossFlash, 28, 29, true},
};

TEST(Sprites, EachHasItsSizeAndABlackGroundWhereItShould) {
  static_assert(std::size(kListed) == kSpriteCount);
  for (const Listed& listed : kListed) {
    SCOPED_TRACE("MYBP" + std::to_string(resourceNumber(listed.sprite)));
    const SpriteImage& image = spriteImage(listed.sprite);
    ASSERT_EQ(image.width, listed.width);
    ASSERT_EQ(image.height, listed.height);
    ASSERT_NE(image.bgr, nullptr);
    if (!listed.blackGround) continue;
    const Rgb black{0, 0, 0};
    EXPECT_EQ(pixel(image, 0, 0), black);
    EXPECT_EQ(pixel(image, image.width - 1, 0), black);
    EXPECT_EQ(pixel(image, 0, image.height - 1), black);
    EXPECT_EQ(pixel(image, image.width - 1, image.height - 1), black);
  }
}

TEST(Sprites, BarIsSolidCyanAndNotchSolidBlack) {
  EXPECT_TRUE(allPixels(spriteImage(Sprite::kHealthBar), Rgb{0, 255, 255}));
  EXPECT_TRUE(allPixels(spriteImage(Sprite::kHealthNotch), Rgb{0, 0, 0}));
}

TEST(Sprites, TitleSkyIsLightCyan) {
  const SpriteImage& title = spriteImage(Sprite::kTitle);
  EXPECT_EQ(pixel(title, 0, 0), (Rgb{128, 255, 255}));
  EXPECT_EQ(pixel(title, 766, 240), (Rgb{128, 255, 255}));
}

TEST(Sprites, BannersShowOneWordInTheirOwnRedOnBlack) {
  const struct {
    Sprite sprite;
    Rgb ink;
  } banners[] = {{Sprite::kBannerBright, {255, 0, 0}},
                 {Sprite::kBannerMedium, {128, 0, 0}},
                 {Sprite::kBannerDark, {64, 0, 0}}};
  const SpriteImage& bright = spriteImage(Sprite::kBannerBright);
  for (const auto& banner : banners) {
    SCOPED_TRACE("MYBP" + std::to_string(resourceNumber(banner.sprite)));
    const SpriteImage& image = spriteImage(banner.sprite);
    int inked = 0;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const Rgb c = pixel(image, x, y);
        const bool ink = c == banner.ink;
        ASSERT_TRUE(ink || c == (Rgb{0, 0, 0})) << "at " << x << "," << y;
        ASSERT_EQ(ink, pixel(bright, x, y) == (Rgb{255, 0, 0})) << "at " << x << "," << y;
        inked += ink ? 1 : 0;
      }
    }
    EXPECT_GT(inked, 1000);
  }
}

TEST(Sprites, FlashesAreGreyCopiesWithTheSameOutline) {
  const std::pair<Sprite, Sprite> pairs[] = {{Sprite::kHeavy, Sprite::kHeavyFlash},
                                             {Sprite::kBoss, Sprite::kBossFlash}};
  for (const auto& [coloured, flash] : pairs) {
    SCOPED_TRACE("MYBP" + std::to_string(resourceNumber(flash)));
    const SpriteImage& a = spriteImage(coloured);
    const SpriteImage& b = spriteImage(flash);
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    bool anyColour = false;
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) {
        const Rgb c = pixel(a, x, y);
        const Rgb g = pixel(b, x, y);
        ASSERT_TRUE(g.r == g.g && g.g == g.b) << "at " << x << "," << y;
        const bool figure = !(c == Rgb{0, 0, 0});
        ASSERT_EQ(figure, !(g == Rgb{0, 0, 0})) << "at " << x << "," << y;
        anyColour = anyColour || c.r != c.g || c.g != c.b;
      }
    }
    EXPECT_TRUE(anyColour) << "the original should be in colour";
  }
}

// A hit must show: the heavies' flash lies over the heavy in a clearly darker grey.
TEST(Sprites, TheHeavysFlashIsClearlyDarkerThanTheHeavy) {
  const auto meanLightness = [](const SpriteImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const Rgb c = pixel(image, x, y);
        sum += 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
      }
    }
    return sum / (255.0 * image.width * image.height);
  };
  const double heavy = meanLightness(spriteImage(Sprite::kHeavy));
  const double flash = meanLightness(spriteImage(Sprite::kHeavyFlash));
  EXPECT_LT(flash, 0.7 * heavy) << "heavy " << heavy << ", flash " << flash;
}

TEST(Sprites, AnUnknownNumberGivesAnEmptyPicture) {
  EXPECT_EQ(spriteImage(static_cast<Sprite>(0)).width, 0);
  EXPECT_EQ(spriteImage(static_cast<Sprite>(17)).bgr, nullptr);
}

// Each broken source must be refused with the file and the line of the fault.
TEST(SpriteSources, MalformedSourcesNameTheirFileAndLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"bitmap MYBP1\n", "bad.sprite:1: the first line must be 'size W H'"},
      {"size 4 x\n", "bad.sprite:1: height 'x' is not a whole number"},
      {"size 4 4\nbitmap MYBP17\n", "bad.sprite:2: bitmap number '17'"},
      {"size 4 4\nbitmap MYBP1\nfill 0 0 4 4 ff00f\n", "bad.sprite:3: unknown colour 'ff00f'"},
      {"size 2 2\nbitmap MYBP1\nkey a ff0000\ngrid 0 0\naa\nab\nend\n",
       "bad.sprite:6: column 2: no key 'b'"},
      {"size 2 2\nbitmap MYBP1\nkey a ff0000\ngrid 0 0\naa\naaa\nend\n",
       "bad.sprite:6: this row is 3 wide"},
      {"size 2 2\nbitmap MYBP1\nkey a ff0000\ngrid 0 0\naa\n",
       "bad.sprite:4: the grid has no 'end'"},
      {"size 2 2\nbitmap MYBP1\nkey a ff0000\ngrid 1 0\naa\nend\n",
       "bad.sprite:4: the grid reaches (3, 1)"},
      {"size 2 2\nbitmap MYBP1 ink=ff0000\n", "bad.sprite:2: the bitmap replaces colour 'ink'"},
      {"size 8 8\nbitmap MYBP1\ntext 0 0 1 ff0000 f.font \"AB\n", "bad.sprite:3: a quoted text"},
      {"size 8 8\nicon x.ico\n", "bad.sprite:2: an icon must be 32 x 32"},
      {"size 8 8\n", "bad.sprite: no 'bitmap' or 'icon' line"},
      {"size 8 8\nbitmap MYBP1\nwobble 1\n", "bad.sprite:3: unknown line 'wobble'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      spritegen::parsePictureSource(c.text, "bad.sprite");
      ADD_FAILURE() << "accepted";
    } catch (const spritegen::SourceError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
    }
  }
}

class SpritegenRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        std::filesystem::temp_directory_path() /
        ("vantorix_spritegen_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }

  int run(std::vector<std::string> sources, std::string& err) const {
    sources.insert(sources.begin(), (dir_ / "out").string());
    std::ostringstream stream;
    const int status = spritegen::runSpritegen(sources, stream);
    err = stream.str();
    return status;
  }

  std::filesystem::path dir_;
};

TEST_F(SpritegenRun, RefusesABrokenFontAndMissingPictures) {
  const std::string font = write("f.font", "height 2\nglyph A\n#.\n.#\n##\nend\n");
  const std::string source =
      write("a.sprite", "size 8 8\nbitmap MYBP1\ntext 0 0 1 ff0000 f.font \"A\"\n");
  std::string err;
  EXPECT_EQ(run({source}, err), 1);
  EXPECT_NE(err.find("f.font:2: the glyph has 3 rows, the font 2"), std::string::npos) << err;

  write("f.font", "height 2\nglyph A\n#.\n.#\nend\n");
  EXPECT_EQ(run({source}, err), 1);
  EXPECT_NE(err.find("no source makes MYBP2"), std::string::npos) << err;

  EXPECT_EQ(run({(dir_ / "missing.sprite").string()}, err), 1);
  EXPECT_NE(err.find("missing.sprite: cannot read the file"), std::string::npos) << err;
}

TEST_F(SpritegenRun, RefusesTheSameBitmapTwiceAndAPictureLoop) {
  const std::string a = write("a.sprite", "size 1 1\nbitmap MYBP3\n");
  const std::string b = write("b.sprite", "size 1 1\n\nbitmap MYBP3\n");
  std::string err;
  EXPECT_EQ(run({a, b}, err), 1);
  EXPECT_NE(err.find("b.sprite:3: MYBP3 is already made at"), std::string::npos) << err;

  const std::string loop =
      write("loop.sprite", "size 1 1\nbitmap MYBP1\npicture 0 0 1 loop.sprite\n");
  EXPECT_EQ(run({loop}, err), 1);
  EXPECT_NE(err.find("loop.sprite:3: pictures inside pictures nest too deep"), std::string::npos)
      << err;
}

TEST_F(SpritegenRun, WritesEachIconSideAsAPngAndRefusesASideNotAMultiple) {
  const std::string icon = write("i.sprite", "size 32 32\nicon i.ico\nfill 0 0 1 1 ff0000\n");
  const std::string bitmaps = write(
      "b.sprite", "size 1 1\n" + [] {
        std::string lines;
        for (int n = 1; n <= kSpriteCount; ++n)
          lines += "bitmap MYBP" + std::to_string(n) + "\n";
        return lines;
      }());
  std::string err;
  ASSERT_EQ(run({"--icon-png", "64", icon, bitmaps}, err), 0) << err;
  std::ifstream png(dir_ / "out" / "i-64.png", std::ios::binary);
  std::string header(24, '\0');
  ASSERT_TRUE(png.read(header.data(), 24));
  EXPECT_EQ(header.substr(12, 12), std::string("IHDR\0\0\0\x40\0\0\0\x40", 12));

  EXPECT_EQ(run({"--icon-png", "48", icon, bitmaps}, err), 2);
  EXPECT_NE(err.find("--icon-png wants a whole multiple of 32 up to 1024, not '48'"),
            std::string::npos)
      << err;
}

}  // namespace
}  // namespace vantorix
