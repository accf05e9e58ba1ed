#include "app/sdl/presenter.h"

#include <cstdlib>
#include <cstring>

#include "app/sdl/menu.h"

namespace vantorix::sdl {

namespace {

// Forces the renderer way, to try it on a platform that has a window surface.
constexpr const char* kRendererOptIn = "VANTORIX_SDL_RENDERER";

SDL_Rect placed(const ViewFit& fit) {
  return {fit.left, fit.top, kPictureWidth * fit.scale, kPictureHeight * fit.scale};
}

}  // namespace

Presenter::~Presenter() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
}

bool Presenter::open() {
  const char* driver = SDL_GetCurrentVideoDriver();
  // On X11 a window surface backed by OpenGL gains nothing for a picture
  // made in memory, and fails on servers without GLX.
  if (driver != nullptr && std::strcmp(driver, "x11") == 0) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  }
  const char* forced = std::getenv(kRendererOptIn);
  if (forced == nullptr || *forced == '\0') {
    if (SDL_Surface* surface = SDL_GetWindowSurface(window_)) {
      format_ = surface->format->format;
      return true;
    }
  }
  return openRenderer();
}

bool Presenter::openRenderer() {
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) return false;
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  format_ = SDL_PIXELFORMAT_RGB888;
  texture_ = SDL_CreateTexture(renderer_, format_, SDL_TEXTUREACCESS_STREAMING, kPictureWidth,
                               kPictureHeight);
  return texture_ != nullptr;
}

ViewFit Presenter::fit() const {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  return fitPicture(width, height, kPictureWidth, kPictureHeight);
}

void Presenter::present(SDL_Surface* picture) {
  if (renderer_ != nullptr) {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    const SDL_Rect target = placed(fitPicture(width, height, kPictureWidth, kPictureHeight));
    SDL_UpdateTexture(texture_, nullptr, picture->pixels, picture->pitch);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
    return;
  }
  // After a resize the old surface is gone; this gives the new one.
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return;
  SDL_Rect target = placed(fitPicture(surface->w, surface->h, kPictureWidth, kPictureHeight));
  if (target.x != 0 || target.y != 0 || target.w != surface->w || target.h != surface->h) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  }
  if (target.w == kPictureWidth) {
    SDL_BlitSurface(picture, nullptr, surface, &target);
  } else {
    SDL_BlitScaled(picture, nullptr, surface, &target);
  }
  SDL_UpdateWindowSurface(window_);
}

}  // namespace vantorix::sdl
