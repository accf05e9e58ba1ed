// Puts a finished frame into the window: the field in its place below the
// menu bar (scaled by a whole factor without smoothing, or shrunk smoothly,
// centred on black), the open boxes where they lie (with the field, or at
// their own size over a shrunk one), and the menu at its own size over all.
// It sends only what changed since the frame before: the parts of the field
// the frame names, the bar when the menu changed, black where a popup
// closed. The whole window goes after invalidate(), a change of the
// window's size, and always over a shrunk field. It goes through the window
// surface where the platform has one, else through a renderer and
// streaming textures.
#pragma once

#include <SDL.h>

#include <array>
#include <span>

#include "app/sdl/view_fit.h"
#include "app/sdl/window_size.h"
#include "app/shell/menu.h"
#include "render/changed_area.h"

namespace vantorix::sdl {

// What a frame shows. `field` and `boxLayer` are pictures of the client
// area; `boxes` the parts of `boxLayer` the open boxes cover, oldest first.
// The field's picture may get the boxes drawn into it.
struct Frame {
  SDL_Surface* field;
  SDL_Surface* boxLayer;
  std::span<const Rect> boxes;
  const shell::Menu& menu;
  bool recordingFailed;
};

class Presenter {
 public:
  explicit Presenter(SDL_Window* window) : window_(window) {}
  ~Presenter();
  Presenter(const Presenter&) = delete;
  Presenter& operator=(const Presenter&) = delete;

  // False (with SDL's error set) when neither way works.
  bool open();
  // The pixel format the field should have for the fastest copies.
  Uint32 pixelFormat() const { return format_; }
  // `changed`: where the client area differs from the frame shown before,
  // the boxes drawn onto the field included.
  void present(const Frame& frame, const AreaList& changed);
  // The next frame goes whole: the window was exposed, resized or toggled.
  void invalidate() { sized_ = false; }
  // Where the field lies in window coordinates, for the mouse.
  ViewFit fit() const { return fitField(size_.width, size_.height); }

 private:
  // What the menu shows: the bar is drawn again only when this changes.
  struct MenuLook {
    shell::Menu::Mode mode = shell::Menu::Mode::kClosed;
    int highlighted = -1;
    bool recordingFailed = false;
    bool operator==(const MenuLook&) const = default;
  };
  bool openRenderer(Uint32 flags);
  // Takes the window's size anew after an invalidate(); true when the whole
  // window must go.
  bool resize(int surfaceWidth, int surfaceHeight);
  void presentOnSurface(const Frame& frame, const AreaList& changed);
  void presentThroughRenderer(const Frame& frame, const AreaList& changed);
  // The renderer's menu layer, made again when the window's width changes.
  bool fitMenuLayer(int width);

  SDL_Window* window_;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* fieldTexture_ = nullptr;
  SDL_Texture* boxTexture_ = nullptr;
  SDL_Surface* menuSurface_ = nullptr;
  SDL_Texture* menuTexture_ = nullptr;
  Uint32 format_ = SDL_PIXELFORMAT_RGB888;
  PixelSize size_{kClientWidth, kMenuBarHeight + kClientHeight};
  int surfaceWidth_ = 0;  // of the picture SDL gives for the window
  int surfaceHeight_ = 0;
  bool sized_ = false;  // size_ is the window's, and the window shows the last frame
  MenuLook menuShown_;
  std::array<SDL_Rect, AreaList::kMaxAreas + 3> rects_{};  // and the menu's
};

}  // namespace vantorix::sdl
