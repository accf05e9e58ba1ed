// The window's events as SDL reports them, turned into the loop's: keys by
// their place (shell::KeyInput), the left button and the pointer in window
// pixels, the close box, the keyboard's loss, whatever means a repaint, and
// the gamepads' controls (Pads).
// The clock is SDL's performance counter in microseconds.
#pragma once

#include <SDL.h>

#include "app/sdl/loop.h"
#include "app/sdl/pads.h"

namespace vantorix::sdl {

class SdlEvents final : public EventSource {
 public:
  explicit SdlEvents(Pads& pads);
  Waited wait(int milliseconds, WindowEvent& event) override;
  std::uint64_t now() override;

 private:
  // How often a wait looks for pads plugged in, at the longest.
  static constexpr int kPadLookMilliseconds = 250;
  // False for an SDL event the loop has no use for.
  bool translate(const SDL_Event& from, WindowEvent& to);

  Pads& pads_;
  std::uint64_t countsPerSecond_;
};

}  // namespace vantorix::sdl
