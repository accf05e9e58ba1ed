#include "app/sdl/presenter.h"

#include <cstdlib>
#include <cstring>

#include "app/sdl/menu_layout.h"
#include "app/sdl/menu_painter.h"
#include "render/client_area.h"

namespace vantorix::sdl {

namespace {

// Forces the renderer way, to try it on a platform that has a window surface.
constexpr const char* kRendererOptIn = "VANTORIX_SDL_RENDERER";

SDL_Rect toSdl(const Rect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

// `part` of the client area on `plane`, in window pixels.
SDL_Rect onPlane(const Plane& plane, const Rect& part) {
  return {plane.left + part.x * plane.scale, plane.top + part.y * plane.scale,
          part.width * plane.scale, part.height * plane.scale};
}

// Copies the boxes' parts of `boxLayer` at their own size onto `picture`,
// where `plane` lies on it.
void putBoxes(SDL_Surface* boxLayer, std::span<const Rect> boxes, SDL_Surface* picture,
              const Plane& plane) {
  for (const Rect& box : boxes) {
    SDL_Rect from = toSdl(box);
    SDL_Rect to = onPlane(plane, box);
    SDL_BlitSurface(boxLayer, &from, picture, &to);
  }
}

// The tallest the menu gets: the bar with its popup open.
int menuLayerHeight() {
  const Rect popup = menuPopupRect();
  return popup.y + popup.height;
}

}  // namespace

Presenter::~Presenter() {
  if (menuTexture_ != nullptr) SDL_DestroyTexture(menuTexture_);
  if (menuSurface_ != nullptr) SDL_FreeSurface(menuSurface_);
  if (boxTexture_ != nullptr) SDL_DestroyTexture(boxTexture_);
  if (fieldTexture_ != nullptr) SDL_DestroyTexture(fieldTexture_);
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
  fieldTexture_ = SDL_CreateTexture(renderer_, format_, SDL_TEXTUREACCESS_STREAMING, kClientWidth,
                                    kClientHeight);
  boxTexture_ = SDL_CreateTexture(renderer_, format_, SDL_TEXTUREACCESS_STREAMING, kClientWidth,
                                  kClientHeight);
  return fieldTexture_ != nullptr && boxTexture_ != nullptr;
}

ViewFit Presenter::fit() const {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  return fitField(width, height);
}

void Presenter::present(SDL_Surface* field, SDL_Surface* boxLayer, std::span<const Rect> boxes,
                        const shell::Menu& menu, bool recordingFailed) {
  if (renderer_ != nullptr) {
    presentThroughRenderer(field, boxLayer, boxes, menu, recordingFailed);
    return;
  }
  // After a resize the old surface is gone; this gives the new one.
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return;
  const ViewFit fit = fitField(surface->w, surface->h);
  if (!fit.shrunk()) putBoxes(boxLayer, boxes, field, {});
  SDL_Rect target = toSdl(fit.field);
  if (target.x != 0 || target.w != surface->w || target.y + target.h != surface->h) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  }
  if (target.w == kClientWidth) {
    SDL_BlitSurface(field, nullptr, surface, &target);
  } else if (target.w > 0 && target.h > 0) {
    // SDL smooths 32-bit pixels alone; in any other window a shrunk field
    // keeps or drops whole pixels.
    if (!fit.shrunk() || SDL_SoftStretchLinear(field, nullptr, surface, &target) != 0) {
      SDL_BlitScaled(field, nullptr, surface, &target);
    }
  }
  if (fit.shrunk()) putBoxes(boxLayer, boxes, surface, fit.boxes);
  paintMenu(surface, menu, surface->w, recordingFailed);
  SDL_UpdateWindowSurface(window_);
}

void Presenter::presentThroughRenderer(SDL_Surface* field, SDL_Surface* boxLayer,
                                       std::span<const Rect> boxes, const shell::Menu& menu,
                                       bool recordingFailed) {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  if (!fitMenuLayer(width)) return;
  const ViewFit fit = fitField(width, height);
  if (!fit.shrunk()) putBoxes(boxLayer, boxes, field, {});
  paintMenu(menuSurface_, menu, width, recordingFailed);
  SDL_UpdateTexture(fieldTexture_, nullptr, field->pixels, field->pitch);
  SDL_SetTextureScaleMode(fieldTexture_, fit.shrunk() ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  SDL_UpdateTexture(menuTexture_, nullptr, menuSurface_->pixels, menuSurface_->pitch);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const SDL_Rect target = toSdl(fit.field);
  SDL_RenderCopy(renderer_, fieldTexture_, nullptr, &target);
  if (fit.shrunk() && !boxes.empty()) {
    SDL_UpdateTexture(boxTexture_, nullptr, boxLayer->pixels, boxLayer->pitch);
    for (const Rect& box : boxes) {
      const SDL_Rect from = toSdl(box);
      const SDL_Rect to = onPlane(fit.boxes, box);
      SDL_RenderCopy(renderer_, boxTexture_, &from, &to);
    }
  }
  const SDL_Rect bar = toSdl(menuBarRect(width));
  SDL_RenderCopy(renderer_, menuTexture_, &bar, &bar);
  if (menu.mode() == shell::Menu::Mode::kOpen) {
    const SDL_Rect popup = toSdl(menuPopupRect());
    SDL_RenderCopy(renderer_, menuTexture_, &popup, &popup);
  }
  SDL_RenderPresent(renderer_);
}

bool Presenter::fitMenuLayer(int width) {
  if (menuSurface_ != nullptr && menuSurface_->w == width) return true;
  if (menuTexture_ != nullptr) SDL_DestroyTexture(menuTexture_);
  if (menuSurface_ != nullptr) SDL_FreeSurface(menuSurface_);
  const int height = menuLayerHeight();
  menuSurface_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, format_);
  menuTexture_ = SDL_CreateTexture(renderer_, format_, SDL_TEXTUREACCESS_STREAMING, width, height);
  return menuSurface_ != nullptr && menuTexture_ != nullptr;
}

}  // namespace vantorix::sdl
