// Puts the finished picture into the window, the whole frame at once: through
// the window surface where the platform has one, else through a renderer and
// a streaming texture. A window larger than the picture shows it scaled by a
// whole factor, without smoothing, centred on black.
#pragma once

#include <SDL.h>

#include "app/sdl/view_fit.h"

namespace vantorix::sdl {

class Presenter {
 public:
  explicit Presenter(SDL_Window* window) : window_(window) {}
  ~Presenter();
  Presenter(const Presenter&) = delete;
  Presenter& operator=(const Presenter&) = delete;

  // False (with SDL's error set) when neither way works.
  bool open();
  // The pixel format the picture should have for the fastest copies.
  Uint32 pixelFormat() const { return format_; }
  void present(SDL_Surface* picture);
  // Where the picture lies in window coordinates, for the mouse.
  ViewFit fit() const;

 private:
  bool openRenderer();

  SDL_Window* window_;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  Uint32 format_ = SDL_PIXELFORMAT_RGB888;
};

}  // namespace vantorix::sdl
