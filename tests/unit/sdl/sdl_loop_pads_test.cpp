// Whole sessions played from gamepads without a display: SDL's virtual pads,
// whose buttons and stick the test sets at scripted moments of the virtual
// clock; what SDL then reports goes through the program's own Pads into the
// loop, as in the program.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/sdl/pads.h"
#include "tests/unit/sdl/scripted_window.h"

namespace vantorix::sdl {
namespace {

using test::ScriptedWindow;

// A pad with every button and axis of SDL's standard layout, in its order,
// which SDL therefore maps as a game controller.
class VirtualPad {
 public:
  VirtualPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.axis_mask = (1U << SDL_CONTROLLER_AXIS_MAX) - 1;
    desc.button_mask = (1U << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.name = "Vantorix test pad";
    joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
  }
  ~VirtualPad() { unplug(); }

  bool ready() const { return joystick_ != nullptr; }
  void button(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
  }
  void axis(SDL_GameControllerAxis axis, int value) {
    SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
  }
  void unplug() {
    if (joystick_ == nullptr) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
      if (SDL_JoystickGetDeviceInstanceID(index) != id) continue;
      SDL_JoystickDetachVirtual(index);
      break;
    }
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
};

constexpr auto kA = SDL_CONTROLLER_BUTTON_A;
constexpr auto kStart = SDL_CONTROLLER_BUTTON_START;
constexpr auto kUp = SDL_CONTROLLER_BUTTON_DPAD_UP;
constexpr auto kDown = SDL_CONTROLLER_BUTTON_DPAD_DOWN;
constexpr auto kLeft = SDL_CONTROLLER_BUTTON_DPAD_LEFT;
constexpr auto kRight = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;

class PadSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(opened_ && one.ready() && two.ready()) << SDL_GetError();
    at(0, [] {});  // SDL announces the pads
  }

  // Changes the pads at a moment, then lets SDL report it through the
  // program's Pads.
  void at(double seconds, std::function<void()> change) {
    window.at(seconds, [this, change] {
      change();
      SDL_Event event;
      WindowEvent controls;
      while (SDL_PollEvent(&event) != 0) {
        if (pads_.translate(event, controls)) window.happen(controls);
      }
    });
  }
  void hold(double from, double until, VirtualPad& pad, SDL_GameControllerButton button) {
    at(from, [&pad, button] { pad.button(button, true); });
    at(until, [&pad, button] { pad.button(button, false); });
  }
  // Each down for a twentieth of a second, a tenth apart.
  void press(double from, VirtualPad& pad,
             std::initializer_list<SDL_GameControllerButton> buttons) {
    for (const SDL_GameControllerButton button : buttons) {
      hold(from, from + 0.05, pad, button);
      from += 0.1;
    }
  }

  Pads pads_;  // opened before the pads come, closed after they go
  bool opened_ = pads_.open();
  VirtualPad one;
  VirtualPad two;
  ScriptedWindow window;
};

int count(const std::string& text, const std::string& line) {
  int found = 0;
  for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
    ++found;
  return found;
}

TEST_F(PadSession, AGameIsStartedPlayedAndQuitFromAPad) {
  press(0.1, one, {kStart, kA, kA});  // ゲーム > 開始, the start box's OK
  // Right and fire held for 0.75 s: a key-down, then repeats every 1/30 s
  // from 0.5 s on; then the stick leant left for a moment.
  hold(1.0, 1.75, one, kRight);
  hold(1.0, 1.75, one, kA);
  at(2.0, [this] { one.axis(SDL_CONTROLLER_AXIS_LEFTX, -30000); });
  at(2.1, [this] { one.axis(SDL_CONTROLLER_AXIS_LEFTX, 0); });
  // ゲーム > 終了; in its box the focus goes to いいえ and back to はい.
  press(3.0, one, {kStart, kDown, kA, kRight, kLeft, kA});
  const test::Played played = test::play(window);
  EXPECT_EQ(played.exitCode, 0);
  EXPECT_EQ(count(played.recording, "\nkey right\n"), 9) << played.recording;
  EXPECT_EQ(count(played.recording, "\nkey space\n"), 9);
  EXPECT_EQ(count(played.recording, "\nkey left\n"), 1);
  EXPECT_GT(played.state.playerX, kStartState.playerX);
  EXPECT_EQ(window.boxesSeen, 1);
  EXPECT_EQ(test::replayHeadless(played.recording), 0);
}

TEST_F(PadSession, APadUnpluggedLetsGoOfWhatItHeldAndAnotherPlaysOn) {
  // On the title every key-down reaches the game's recording.
  at(0.1, [this] { one.button(kUp, true); });
  at(0.3, [this] { one.unplug(); });
  press(2.0, two, {kStart, kDown, kA, kA});
  const test::Played played = test::play(window);
  EXPECT_EQ(played.exitCode, 0);
  EXPECT_EQ(count(played.recording, "\nkey up\n"), 1) << played.recording;
  EXPECT_EQ(test::replayHeadless(played.recording), 0);
}

}  // namespace
}  // namespace vantorix::sdl
