#include "app/shell/held_controls.h"

namespace vantorix::shell {

HeldControls::Holder* HeldControls::find(std::int32_t id) {
  Holder* free = nullptr;
  for (Holder& holder : holders_) {
    if (holder.held != 0 && holder.id == id) return &holder;
    if (holder.held == 0 && free == nullptr) free = &holder;
  }
  if (free != nullptr) free->id = id;
  return free;
}

HeldControls::Changes HeldControls::hold(std::int32_t holder, ControlSet held, std::uint64_t now) {
  Holder* slot = find(holder);
  if (slot == nullptr) return {};
  const ControlSet before = this->held();
  slot->held = held;
  const ControlSet after = this->held();
  const Changes changes{static_cast<ControlSet>(after & ~before),
                        static_cast<ControlSet>(before & ~after)};
  for (int i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    if (holds(changes.pressed, control) && repeats(control)) {
      repeatAt_[static_cast<std::size_t>(i)] = now + kRepeatDelayMicroseconds;
    }
    if (holds(changes.released, control)) repeatAt_[static_cast<std::size_t>(i)] = 0;
  }
  return changes;
}

HeldControls::Changes HeldControls::letGoOfAll() {
  const Changes changes{0, held()};
  holders_ = {};
  repeatAt_ = {};
  return changes;
}

std::optional<Control> HeldControls::takeRepeat(std::uint64_t now) {
  for (int i = 0; i < kControlCount; ++i) {
    std::uint64_t& due = repeatAt_[static_cast<std::size_t>(i)];
    if (due == 0 || due > now) continue;
    due += kRepeatIntervalMicroseconds;
    if (due <= now) due = now + kRepeatIntervalMicroseconds;
    return static_cast<Control>(i);
  }
  return std::nullopt;
}

std::optional<std::uint64_t> HeldControls::nextRepeat() const {
  std::optional<std::uint64_t> next;
  for (const std::uint64_t due : repeatAt_) {
    if (due != 0 && (!next || due < *next)) next = due;
  }
  return next;
}

ControlSet HeldControls::held() const {
  ControlSet all = 0;
  for (const Holder& holder : holders_)
    all = static_cast<ControlSet>(all | holder.held);
  return all;
}

}  // namespace vantorix::shell
