// Which controls are held, by whom, and when a held one repeats. Several
// things may hold controls at once (pads, fingers on the screen), each named
// by a number of the shell's choosing; a control is down while any of them
// holds it. A held direction or fire repeats as a key held on a Windows
// keyboard at its default settings does, each on its own clock, so a
// diagonal moves the ship both ways.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "app/shell/controls.h"

namespace vantorix::shell {

class HeldControls {
 public:
  // Windows' default keyboard delay (the second-shortest of its four steps)
  // and repeat rate (its fastest, about 30 a second): what players' hands
  // already know from the arrow keys, and the ship steps as far per second
  // held as with them.
  static constexpr std::uint64_t kRepeatDelayMicroseconds = 500'000;
  static constexpr std::uint64_t kRepeatIntervalMicroseconds = 1'000'000 / 30;
  // More pads and fingers than hands can hold; any beyond are not heard.
  static constexpr int kMaxHolders = 16;

  struct Changes {
    ControlSet pressed = 0;   // down now, held by nothing before
    ControlSet released = 0;  // held before, by nothing now
  };

  // `holder` now holds exactly `held`; an empty set lets it go for good.
  Changes hold(std::int32_t holder, ControlSet held, std::uint64_t now);
  // Every holder lets go of everything: the window lost the keyboard, and
  // a control stops repeating as a key does then.
  Changes letGoOfAll();
  // A held control whose repeat is due at `now`, its next one scheduled;
  // none when nothing is due. A repeat that comes late is not made up.
  std::optional<Control> takeRepeat(std::uint64_t now);
  // When the next repeat is due, if anything repeats.
  std::optional<std::uint64_t> nextRepeat() const;
  ControlSet held() const;

 private:
  struct Holder {
    std::int32_t id = 0;
    ControlSet held = 0;  // 0 for a free slot
  };
  Holder* find(std::int32_t id);

  std::array<Holder, kMaxHolders> holders_{};
  std::array<std::uint64_t, kControlCount> repeatAt_{};  // 0: does not repeat
};

}  // namespace vantorix::shell
