// What a player holds on a pad or on the screen's own controls, whatever the
// device: four directions, fire, back and start. A shell reports, for each
// thing held (a pad, a finger), the set it holds now; the session turns the
// changes into the keys the game, the menu and the boxes already know.
#pragma once

#include <cstdint>

namespace vantorix::shell {

enum class Control : std::uint8_t { kLeft, kUp, kRight, kDown, kFire, kBack, kStart };
inline constexpr int kControlCount = 7;

// A set of controls, one bit each (bit n for the control numbered n).
using ControlSet = std::uint8_t;

constexpr ControlSet controlBit(Control control) {
  return static_cast<ControlSet>(1U << static_cast<unsigned>(control));
}

constexpr bool holds(ControlSet set, Control control) {
  return (set & controlBit(control)) != 0;
}

// The controls that keep giving key-downs while held, as keys repeat: the
// directions and fire. Back and start act once per press.
constexpr bool repeats(Control control) {
  return control != Control::kBack && control != Control::kStart;
}

// A gamepad's state as both shells read it, in the standard layout: the
// D-pad, the bottom (A) and right (B) face buttons, Start, and the left
// stick in SDL's range, -32768 to 32767, y growing downwards.
struct PadReading {
  bool up = false;
  bool down = false;
  bool left = false;
  bool right = false;
  bool a = false;
  bool b = false;
  bool start = false;
  int stickX = 0;
  int stickY = 0;
};

// How far the stick must lean along an axis to hold that direction: half
// way. A stick at rest drifts well short of it, and one pushed diagonally
// leans about 70 % along both axes, so a diagonal holds both directions.
inline constexpr int kStickDeadZone = 16384;

ControlSet controlsOf(const PadReading& pad);

}  // namespace vantorix::shell
