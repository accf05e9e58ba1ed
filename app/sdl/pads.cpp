#include "app/sdl/pads.h"

#include <initializer_list>

namespace vantorix::sdl {

namespace {

// Sets what `button` of the standard layout means to the game, if anything.
void setButton(shell::PadReading& reading, int button, bool down) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      reading.up = down;
      break;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      reading.down = down;
      break;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      reading.left = down;
      break;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      reading.right = down;
      break;
    case SDL_CONTROLLER_BUTTON_A:
      reading.a = down;
      break;
    case SDL_CONTROLLER_BUTTON_B:
      reading.b = down;
      break;
    case SDL_CONTROLLER_BUTTON_START:
      reading.start = down;
      break;
    default:
      break;
  }
}

void setAxis(shell::PadReading& reading, int axis, int value) {
  if (axis == SDL_CONTROLLER_AXIS_LEFTX) reading.stickX = value;
  if (axis == SDL_CONTROLLER_AXIS_LEFTY) reading.stickY = value;
}

// What a pad just opened holds already.
shell::PadReading readingOf(SDL_GameController* controller) {
  shell::PadReading reading;
  for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
    const auto which = static_cast<SDL_GameControllerButton>(button);
    setButton(reading, button, SDL_GameControllerGetButton(controller, which) != 0);
  }
  for (const SDL_GameControllerAxis axis : {SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY})
    setAxis(reading, axis, SDL_GameControllerGetAxis(controller, axis));
  return reading;
}

}  // namespace

Pads::~Pads() {
  for (Pad& pad : pads_) {
    if (pad.controller != nullptr) SDL_GameControllerClose(pad.controller);
  }
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Pads::open() {
  // A pad steers the game only while its window has the keyboard, as the
  // keys do: a player busy in another window, maybe with the same pad, must
  // not move the ship behind it. SDL still reports releases and a stick
  // coming back to rest there, so nothing stays held.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "0");
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  return started_;
}

bool Pads::translate(const SDL_Event& from, WindowEvent& to) {
  switch (from.type) {
    case SDL_CONTROLLERDEVICEADDED:
      return added(from.cdevice.which, to);
    case SDL_CONTROLLERDEVICEREMOVED:
      return removed(from.cdevice.which, to);
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      Pad* pad = find(from.cbutton.which);
      if (pad == nullptr) return false;
      setButton(pad->reading, from.cbutton.button, from.cbutton.state == SDL_PRESSED);
      return report(*pad, to);
    }
    case SDL_CONTROLLERAXISMOTION: {
      Pad* pad = find(from.caxis.which);
      if (pad == nullptr) return false;
      setAxis(pad->reading, from.caxis.axis, from.caxis.value);
      return report(*pad, to);
    }
    default:
      return false;
  }
}

Pads::Pad* Pads::find(SDL_JoystickID id) {
  for (Pad& pad : pads_) {
    if (pad.controller != nullptr && pad.id == id) return &pad;
  }
  return nullptr;
}

bool Pads::added(int deviceIndex, WindowEvent& to) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0 || find(id) != nullptr) return false;
  for (Pad& pad : pads_) {
    if (pad.controller != nullptr) continue;
    // A pad that went again before it could be opened is not heard.
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) return false;
    pad = {controller, id, readingOf(controller), 0};
    return report(pad, to);
  }
  return false;  // more pads than hands: not heard
}

bool Pads::removed(SDL_JoystickID id, WindowEvent& to) {
  Pad* pad = find(id);
  if (pad == nullptr) return false;
  SDL_GameControllerClose(pad->controller);
  // What it held is let go.
  pad->reading = {};
  const bool letGo = report(*pad, to);
  *pad = {};
  return letGo;
}

bool Pads::report(Pad& pad, WindowEvent& to) {
  const shell::ControlSet held = shell::controlsOf(pad.reading);
  if (held == pad.held) return false;
  pad.held = held;
  to = {};
  to.kind = WindowEvent::Kind::kControls;
  to.holder = pad.id;
  to.controls = held;
  return true;
}

}  // namespace vantorix::sdl
