// Puts a finished frame into the window, whole: the field in its place below
// the menu bar (scaled by a whole factor without smoothing, or shrunk
// smoothly, centred on black), the open boxes where they lie (with the field,
// or at their own size over a shrunk one), and the menu at its own size over
// all. It goes through the window surface where the platform has one, else
// through a renderer and streaming textures.
#pragma once

#include <SDL.h>

#include <span>

#include "app/sdl/view_fit.h"
#include "app/shell/menu.h"

namespace vantorix::sdl {

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
  // `boxes` are the parts of `boxLayer` the open boxes cover, oldest first;
  // both pictures are of the client area. The field's picture may get the
  // boxes drawn into it.
  void present(SDL_Surface* field, SDL_Surface* boxLayer, std::span<const Rect> boxes,
               const shell::Menu& menu, bool recordingFailed);
  // Where the field lies in window coordinates, for the mouse.
  ViewFit fit() const;

 private:
  bool openRenderer();
  void presentThroughRenderer(SDL_Surface* field, SDL_Surface* boxLayer,
                              std::span<const Rect> boxes, const shell::Menu& menu,
                              bool recordingFailed);
  // The renderer's menu layer, made again when the window's width changes.
  bool fitMenuLayer(int width);

  SDL_Window* window_;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* fieldTexture_ = nullptr;
  SDL_Texture* boxTexture_ = nullptr;
  SDL_Surface* menuSurface_ = nullptr;
  SDL_Texture* menuTexture_ = nullptr;
  Uint32 format_ = SDL_PIXELFORMAT_RGB888;
};

}  // namespace vantorix::sdl
