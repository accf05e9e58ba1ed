#include "app/shell/controls.h"

namespace vantorix::shell {

ControlSet controlsOf(const PadReading& pad) {
  ControlSet set = 0;
  const auto add = [&set](bool held, Control control) {
    if (held) set = static_cast<ControlSet>(set | controlBit(control));
  };
  add(pad.left || pad.stickX <= -kStickDeadZone, Control::kLeft);
  add(pad.right || pad.stickX >= kStickDeadZone, Control::kRight);
  add(pad.up || pad.stickY <= -kStickDeadZone, Control::kUp);
  add(pad.down || pad.stickY >= kStickDeadZone, Control::kDown);
  add(pad.a, Control::kFire);
  add(pad.b, Control::kBack);
  add(pad.start, Control::kStart);
  return set;
}

}  // namespace vantorix::shell
