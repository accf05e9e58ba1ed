#include "app/sdl/presenter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/sdl/area_scaling.h"
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

Rect toRect(const Area& area) {
  return {area.left, area.top, area.width(), area.height()};
}

bool overlap(const SDL_Rect& a, const Rect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.w && a.y < b.y + b.height && b.y < a.y + a.h;
}

// `part` of the client area on `plane`, in window pixels.
SDL_Rect onPlane(const Plane& plane, const Rect& part) {
  return toSdl(onWindow(plane, {part.x, part.y, part.x + part.width, part.y + part.height}));
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

Pixels32 pixelsOf(SDL_Surface* surface, int width, int height) {
  return {static_cast<std::uint32_t*>(surface->pixels), surface->pitch / 4, width, height};
}

// The tallest the menu gets: the bar with its popup open.
int menuLayerHeight() {
  const Rect popup = menuPopupRect();
  return popup.y + popup.height;
}

bool forcedRenderer() {
  const char* forced = std::getenv(kRendererOptIn);
  return forced != nullptr && *forced != '\0';
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
  const bool x11 = driver != nullptr && std::strcmp(driver, "x11") == 0;
  // On X11 a window surface backed by OpenGL gains nothing for a picture
  // made in memory, and fails on servers without GLX.
  if (x11) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (forcedRenderer()) return openRenderer(0);
  // On X11 SDL cannot tell a graphics card from Mesa's software OpenGL
  // without loading it, and through a software one the renderer costs more
  // than the window surface (it draws the whole window every frame): the
  // surface is kept there. Elsewhere an accelerated renderer scales on the
  // graphics card.
  if (!x11 && openRenderer(SDL_RENDERER_ACCELERATED)) return true;
  if (SDL_Surface* surface = SDL_GetWindowSurface(window_)) {
    format_ = surface->format->format;
    return true;
  }
  return openRenderer(0);
}

bool Presenter::openRenderer(Uint32 flags) {
  renderer_ = SDL_CreateRenderer(window_, -1, flags);
  if (renderer_ == nullptr) return false;
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  format_ = SDL_PIXELFORMAT_RGB888;
  fieldTexture_ = SDL_CreateTexture(renderer_, format_, SDL_TEXTUREACCESS_STREAMING, kClientWidth,
                                    kClientHeight);
  boxTexture_ = SDL_CreateTexture(renderer_, format_, SDL_TEXTUREACCESS_STREAMING, kClientWidth,
                                  kClientHeight);
  if (fieldTexture_ != nullptr && boxTexture_ != nullptr) return true;
  // Another way may still work.
  if (fieldTexture_ != nullptr) SDL_DestroyTexture(fieldTexture_);
  if (boxTexture_ != nullptr) SDL_DestroyTexture(boxTexture_);
  SDL_DestroyRenderer(renderer_);
  fieldTexture_ = boxTexture_ = nullptr;
  renderer_ = nullptr;
  return false;
}

bool Presenter::resize(int surfaceWidth, int surfaceHeight) {
  if (sized_ && surfaceWidth == surfaceWidth_ && surfaceHeight == surfaceHeight_) return false;
  surfaceWidth_ = surfaceWidth;
  surfaceHeight_ = surfaceHeight;
  // SDL's picture of the window may be larger than the window (see
  // window_size.h): the frame is laid out for the window, at its top-left.
  const PixelSize real = windowPixelSize(window_);
  size_ = {std::min(real.width, surfaceWidth), std::min(real.height, surfaceHeight)};
  sized_ = true;
  return true;
}

void Presenter::present(const Frame& frame, const AreaList& changed) {
  if (renderer_ != nullptr) {
    presentThroughRenderer(frame, changed);
  } else {
    presentOnSurface(frame, changed);
  }
  menuShown_ = {frame.menu.mode(), frame.menu.highlighted(), frame.recordingFailed};
}

void Presenter::presentOnSurface(const Frame& frame, const AreaList& changed) {
  // After a resize the old surface is gone; this gives the new one.
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) {
    sized_ = false;
    return;
  }
  bool whole = resize(surface->w, surface->h);
  const ViewFit fit = fitField(size_.width, size_.height);
  const bool scaled = fit.field.width != kClientWidth;
  // Scaled by whole steps, a part is enlarged alone where pixels are 32-bit.
  const bool ownScaling = scaled && !fit.shrunk() && surface->format->BytesPerPixel == 4;
  // The smoothly shrunk field is sent whole: each of its pixels mixes several.
  whole = whole || (scaled && !ownScaling);
  if (!fit.shrunk()) putBoxes(frame.boxLayer, frame.boxes, frame.field, {});
  const MenuLook look{frame.menu.mode(), frame.menu.highlighted(), frame.recordingFailed};
  const Rect popup = menuPopupRect();
  int count = 0;
  if (whole) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_Rect target = toSdl(fit.field);
    if (!scaled) {
      SDL_BlitSurface(frame.field, nullptr, surface, &target);
    } else if (ownScaling) {
      scaleArea(pixelsOf(frame.field, kClientWidth, kClientHeight), kWholeClientArea, fit.boxes,
                pixelsOf(surface, size_.width, size_.height));
    } else if (target.w > 0 && target.h > 0) {
      // SDL smooths 32-bit pixels alone; in any other window a shrunk field
      // keeps or drops whole pixels.
      if (!fit.shrunk() || SDL_SoftStretchLinear(frame.field, nullptr, surface, &target) != 0) {
        SDL_BlitScaled(frame.field, nullptr, surface, &target);
      }
    }
    if (fit.shrunk()) putBoxes(frame.boxLayer, frame.boxes, surface, fit.boxes);
    paintMenu(surface, frame.menu, size_.width, frame.recordingFailed);
    rects_[static_cast<std::size_t>(count++)] = {0, 0, size_.width, size_.height};
  } else {
    // Where the popup was, black shows again: anything else there is drawn
    // by this frame, so among the parts changed.
    if (menuShown_.mode == shell::Menu::Mode::kOpen && look.mode != shell::Menu::Mode::kOpen) {
      const SDL_Rect under = toSdl(popup);
      SDL_FillRect(surface, &under, SDL_MapRGB(surface->format, 0, 0, 0));
      rects_[static_cast<std::size_t>(count++)] = under;
    }
    bool menuCovered = false;
    for (const Area& area : changed.areas()) {
      const SDL_Rect target = toSdl(onWindow(fit.boxes, area));
      if (scaled) {
        scaleArea(pixelsOf(frame.field, kClientWidth, kClientHeight), area, fit.boxes,
                  pixelsOf(surface, size_.width, size_.height));
      } else {
        SDL_Rect from = toSdl(toRect(area));
        SDL_Rect to = target;
        SDL_BlitSurface(frame.field, &from, surface, &to);
      }
      SDL_Rect shown{};
      const SDL_Rect window{0, 0, size_.width, size_.height};
      if (SDL_IntersectRect(&target, &window, &shown) == SDL_TRUE) {
        rects_[static_cast<std::size_t>(count++)] = shown;
      }
      menuCovered =
          menuCovered || (look.mode == shell::Menu::Mode::kOpen && overlap(target, popup));
    }
    if (menuCovered || !(look == menuShown_)) {
      paintMenu(surface, frame.menu, size_.width, frame.recordingFailed);
      rects_[static_cast<std::size_t>(count++)] = toSdl(menuBarRect(size_.width));
      if (look.mode == shell::Menu::Mode::kOpen) {
        rects_[static_cast<std::size_t>(count++)] = toSdl(popup);
      }
    }
  }
  if (count > 0 && SDL_UpdateWindowSurfaceRects(window_, rects_.data(), count) != 0) {
    sized_ = false;
  }
}

void Presenter::presentThroughRenderer(const Frame& frame, const AreaList& changed) {
  int outputWidth = 0;
  int outputHeight = 0;
  SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
  const bool whole = resize(outputWidth, outputHeight);
  const int width = size_.width;
  if (!fitMenuLayer(width)) return;
  const ViewFit fit = fitField(width, size_.height);
  if (!fit.shrunk()) putBoxes(frame.boxLayer, frame.boxes, frame.field, {});
  // The renderer draws the whole window each frame, on the graphics card
  // where it has one; only the textures' changed parts are sent there.
  if (whole) {
    SDL_UpdateTexture(fieldTexture_, nullptr, frame.field->pixels, frame.field->pitch);
  } else {
    for (const Area& area : changed.areas()) {
      const SDL_Rect part = toSdl(toRect(area));
      const auto* pixels = static_cast<const Uint8*>(frame.field->pixels) +
                           static_cast<std::ptrdiff_t>(area.top) * frame.field->pitch +
                           static_cast<std::ptrdiff_t>(area.left) * 4;
      SDL_UpdateTexture(fieldTexture_, &part, pixels, frame.field->pitch);
    }
  }
  const MenuLook look{frame.menu.mode(), frame.menu.highlighted(), frame.recordingFailed};
  if (whole || !(look == menuShown_)) {
    paintMenu(menuSurface_, frame.menu, width, frame.recordingFailed);
    SDL_UpdateTexture(menuTexture_, nullptr, menuSurface_->pixels, menuSurface_->pitch);
  }
  SDL_SetTextureScaleMode(fieldTexture_, fit.shrunk() ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const SDL_Rect target = toSdl(fit.field);
  SDL_RenderCopy(renderer_, fieldTexture_, nullptr, &target);
  if (fit.shrunk() && !frame.boxes.empty()) {
    for (const Rect& box : frame.boxes) {
      const SDL_Rect part = toSdl(box);
      const auto* pixels = static_cast<const Uint8*>(frame.boxLayer->pixels) +
                           static_cast<std::ptrdiff_t>(box.y) * frame.boxLayer->pitch +
                           static_cast<std::ptrdiff_t>(box.x) * 4;
      SDL_UpdateTexture(boxTexture_, &part, pixels, frame.boxLayer->pitch);
      const SDL_Rect to = onPlane(fit.boxes, box);
      SDL_RenderCopy(renderer_, boxTexture_, &part, &to);
    }
  }
  const SDL_Rect bar = toSdl(menuBarRect(width));
  SDL_RenderCopy(renderer_, menuTexture_, &bar, &bar);
  if (look.mode == shell::Menu::Mode::kOpen) {
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
