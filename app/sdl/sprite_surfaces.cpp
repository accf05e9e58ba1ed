#include "app/sdl/sprite_surfaces.h"

namespace vantorix::sdl {

namespace {

std::size_t indexOf(Sprite sprite) {
  return static_cast<std::size_t>(resourceNumber(sprite) - 1);
}

}  // namespace

SpriteSurfaces::~SpriteSurfaces() {
  for (SDL_Surface* surface : surfaces_)
    SDL_FreeSurface(surface);
}

bool SpriteSurfaces::load(Uint32 pixelFormat) {
  for (int n = 1; n <= kSpriteCount; ++n) {
    const auto sprite = static_cast<Sprite>(n);
    const SpriteImage& image = spriteImage(sprite);
    if (image.bgr == nullptr || image.width <= 0 || image.height <= 0) {
      SDL_SetError("sprite MYBP%d has no pixels", n);
      return false;
    }
    // SDL only reads through this view: it is converted at once and freed.
    SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(image.bgr),
                                                           image.width, image.height, 24,
                                                           image.width * 3, SDL_PIXELFORMAT_BGR24);
    if (view == nullptr) return false;
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(view, pixelFormat, 0);
    SDL_FreeSurface(view);
    if (converted == nullptr) return false;
    // A plain copy of every pixel, black ones included, as the game window
    // gets them.
    SDL_SetSurfaceBlendMode(converted, SDL_BLENDMODE_NONE);
    surfaces_[indexOf(sprite)] = converted;
  }
  return true;
}

SDL_Surface* SpriteSurfaces::surface(Sprite sprite) const {
  const std::size_t index = indexOf(sprite);
  return index < surfaces_.size() ? surfaces_[index] : nullptr;
}

}  // namespace vantorix::sdl
