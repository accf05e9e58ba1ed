#include "render/pixel_canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "render/bmp_encoder.h"
#include "render/bmp_writer.h"
#include "render/paint.h"

namespace vantorix {
namespace {

constexpr Bgr kBlack{0, 0, 0};
constexpr Bgr kCyan{255, 255, 0};

Bgr spritePixel(Sprite sprite, int x, int y) {
  const SpriteImage& image = spriteImage(sprite);
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                          static_cast<std::size_t>(x)) *
                         3;
  return {image.bgr[at], image.bgr[at + 1], image.bgr[at + 2]};
}

// The title fills the whole client area, so an unwanted write shows anywhere.
PixelCanvas titleCanvas() {
  PixelCanvas canvas;
  canvas.select(Sprite::kTitle);
  canvas.copy(0, 0, 800, 800);
  return canvas;
}

TEST(PixelCanvas, CopiesOnlyTheBitmapsOwnPixelsClippedToTheClientArea) {
  const struct {
    Sprite sprite;
    int x, y, width, height;
  } cases[] = {
      {Sprite::kFighter, 100, 200, 256, 128},
      {Sprite::kFighter, 100, 200, 10, 5},  // a request smaller than the bitmap
      {Sprite::kHealthBar, 300, 100, 400, 256},
      {Sprite::kExplosion, -12, 7, 256, 128},
      {Sprite::kExplosion, 0, -30, 256, 128},  // parked above the field: nothing
      {Sprite::kRedBullet, 0, -50, 256, 128},
      {Sprite::kBannerBright, 0, -70, 300, 256},
      {Sprite::kHealthNotch, 0, -100, 256, 128},
      {Sprite::kHeavy, 740, 460, 256, 128},  // past the right and bottom edges
      {Sprite::kHeavy, 767, 480, 256, 128},
      {Sprite::kBoss, -28, 10, 256, 128},
      {Sprite::kBoss, 10, 10, INT_MAX, INT_MAX},
      {Sprite::kBoss, 10, 10, -5, 128},
      {Sprite::kBoss, INT_MIN, INT_MIN, 256, 128},
      {Sprite::kBoss, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
      {Sprite::kBoss, INT_MIN, 10, INT_MAX, INT_MAX},
      {Sprite::kBoss, 10, INT_MAX, 256, 128},
      {Sprite::kBoss, INT_MAX - 10, 10, 256, 128},
  };
  const PixelCanvas before = titleCanvas();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(resourceNumber(c.sprite)) + " at " + std::to_string(c.x) + "," +
                 std::to_string(c.y) + " extent " + std::to_string(c.width) + "x" +
                 std::to_string(c.height));
    PixelCanvas canvas = before;
    canvas.select(c.sprite);
    canvas.copy(c.x, c.y, c.width, c.height);

    const SpriteImage& image = spriteImage(c.sprite);
    const std::int64_t w = std::min<std::int64_t>(c.width, image.width);
    const std::int64_t h = std::min<std::int64_t>(c.height, image.height);
    int wrong = 0;
    for (int y = 0; y < kClientHeight; ++y) {
      for (int x = 0; x < kClientWidth; ++x) {
        const std::int64_t sx = std::int64_t{x} - c.x;
        const std::int64_t sy = std::int64_t{y} - c.y;
        const bool inside = sx >= 0 && sx < w && sy >= 0 && sy < h;
        const Bgr want = inside ? spritePixel(c.sprite, static_cast<int>(sx), static_cast<int>(sy))
                                : before.pixel(x, y);
        if (!(canvas.pixel(x, y) == want) && ++wrong <= 3) {
          ADD_FAILURE() << "pixel " << x << "," << y;
        }
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

TEST(PixelCanvas, ANotchBlackensExactlyItsOwnThreeByTwentyEightPixelsOfTheBar) {
  PixelCanvas canvas;
  canvas.select(Sprite::kHealthBar);
  canvas.copy(200, 40, 400, 256);
  canvas.select(Sprite::kHealthNotch);
  canvas.copy(210, 41, 256, 128);

  int black = 0;
  for (int y = 40; y < 70; ++y) {
    for (int x = 200; x < 579; ++x) {
      const bool inNotch = x >= 210 && x < 213 && y >= 41 && y < 69;
      EXPECT_EQ(canvas.pixel(x, y), inNotch ? kBlack : kCyan) << x << "," << y;
      if (canvas.pixel(x, y) == kBlack) ++black;
    }
  }
  EXPECT_EQ(black, 3 * 28);
  EXPECT_EQ(canvas.pixel(579, 40), kBlack);  // the bar's extent beyond it stays erased
  EXPECT_EQ(canvas.pixel(200, 70), kBlack);
}

TEST(PixelCanvas, CopiesNothingBeforeASelectionAndClearsToBlack) {
  PixelCanvas canvas;
  canvas.copy(0, 0, 800, 800);
  EXPECT_EQ(canvas.pixel(0, 0), kBlack);

  canvas = titleCanvas();
  canvas.clear();
  for (std::uint8_t byte : canvas.bgr())
    ASSERT_EQ(byte, 0);
}

TEST(Paint, TitleShowsAloneWhateverTheObjectsHold) {
  GameState state;
  state.playerX = 10;
  state.playerY = 10;
  PixelCanvas canvas;
  paint(state, canvas);
  EXPECT_EQ(canvas.bgr().size(), std::size_t{767} * 480 * 3);
  const PixelCanvas title = titleCanvas();
  EXPECT_TRUE(std::equal(canvas.bgr().begin(), canvas.bgr().end(), title.bgr().begin()));
}

TEST(Paint, ParkedObjectsAtStartUpLeaveOnlyTheShipAndItsTwoSpareLives) {
  GameState state;
  state.tickCount = 1;
  PixelCanvas painted;
  paint(state, painted);

  PixelCanvas expected;
  expected.select(Sprite::kPlayerShip);
  expected.copy(365, 400, 256, 128);
  expected.copy(700, 0, 256, 128);
  expected.copy(730, 0, 256, 128);
  EXPECT_TRUE(std::equal(painted.bgr().begin(), painted.bgr().end(), expected.bgr().begin()));
}

TEST(Paint, LaterGroupsCoverEarlierOnes) {
  GameState state;
  state.tickCount = 1;
  state.bossX = state.bossFlashX = 300;
  state.bossY = state.bossFlashY = 60;
  state.lossExplosionX = state.playerX;  // an explosion over the ship
  state.lossExplosionY = state.playerY;
  PixelCanvas canvas;
  paint(state, canvas);
  for (int y = 0; y < 29; ++y) {
    for (int x = 0; x < 28; ++x) {
      ASSERT_EQ(canvas.pixel(300 + x, 60 + y), spritePixel(Sprite::kBossFlash, x, y));
    }
  }
  for (int y = 0; y < 27; ++y) {
    for (int x = 0; x < 28; ++x) {
      ASSERT_EQ(canvas.pixel(365 + x, 400 + y), spritePixel(Sprite::kExplosion, x, y));
    }
  }
}

std::uint32_t readU32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  }
  return value;
}

TEST(BmpEncoder, WritesRowsBottomUpPaddedToFourBytes) {
  // 2 x 2: top row blue then green, bottom row red then white.
  const std::vector<std::uint8_t> pixels{255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  const std::vector<std::uint8_t> encoded = encodeBmp(2, 2, pixels);
  const std::string bytes(encoded.begin(), encoded.end());
  ASSERT_EQ(bytes.size(), 54u + 2 * 8);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(readU32(bytes, 2), bytes.size());
  EXPECT_EQ(readU32(bytes, 10), 54u);
  EXPECT_EQ(readU32(bytes, 18), 2u);
  EXPECT_EQ(readU32(bytes, 22), 2u);
  EXPECT_EQ(readU32(bytes, 28) & 0xFFFF, 24u);
  EXPECT_EQ(readU32(bytes, 30), 0u);
  const std::string bottomRow("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);
  const std::string topRow("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8);
  EXPECT_EQ(bytes.substr(54, 8), bottomRow);
  EXPECT_EQ(bytes.substr(62, 8), topRow);

  EXPECT_TRUE(encodeBmp(2, 3, pixels).empty());
  EXPECT_TRUE(encodeBmp(0, 0, {}).empty());
}

TEST(BmpWriter, ReportsAFileItCannotWrite) {
  const PixelCanvas canvas;
  EXPECT_FALSE(writeBmpFile("no-such-directory/frame.bmp", canvas));
}

}  // namespace
}  // namespace vantorix
