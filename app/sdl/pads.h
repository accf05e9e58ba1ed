// The gamepads plugged in, through SDL's game-controller API: each is opened
// as it comes (also those present at the start, which SDL announces the same
// way) and closed as it goes, and what it holds is followed button by button
// and axis by axis, in the order SDL reports them, so that a tap shorter than
// one wait for events is still a press and a release. The loop hears a pad
// only when the set of controls it holds changes. Nothing here needs a window.
#pragma once

#include <SDL.h>

#include <array>

#include "app/sdl/loop.h"
#include "app/shell/held_controls.h"

namespace vantorix::sdl {

class Pads {
 public:
  Pads() = default;
  ~Pads();
  Pads(const Pads&) = delete;
  Pads& operator=(const Pads&) = delete;

  // Starts SDL's game-controller subsystem; false, with SDL's error set,
  // when it cannot, and the game goes on without pads.
  bool open();
  // The subsystem is started: pads may come at any time.
  bool listening() const { return started_; }
  // Takes an SDL event; true when it gives the loop `to`: the controls a pad
  // holds now (kControls, the pad's instance id as the holder).
  bool translate(const SDL_Event& from, WindowEvent& to);

 private:
  struct Pad {
    SDL_GameController* controller = nullptr;  // null for a free slot
    SDL_JoystickID id = -1;
    shell::PadReading reading;
    shell::ControlSet held = 0;
  };
  Pad* find(SDL_JoystickID id);
  bool added(int deviceIndex, WindowEvent& to);
  bool removed(SDL_JoystickID id, WindowEvent& to);
  // Reports `pad`'s controls when they differ from what it held.
  static bool report(Pad& pad, WindowEvent& to);

  // As many pads as the session hears.
  std::array<Pad, shell::HeldControls::kMaxHolders> pads_{};
  bool started_ = false;
};

}  // namespace vantorix::sdl
