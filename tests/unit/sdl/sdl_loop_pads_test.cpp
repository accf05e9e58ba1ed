// Whole sessions played from gamepads without a display: SDL's virtual pads,
// whose buttons and stick the test sets at scripted moments of the virtual
// clock; what SDL then reports goes through the program's own Pads into the
// loop, as in the program.
#include <gtest/gtest.h>

#include <memory>
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
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

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
      if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
};

class PadSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pads_.open()) << SDL_GetError();
    for (auto& pad : padsPlugged)
      pad = std::make_unique<VirtualPad>();
    for (const auto& pad : padsPlugged)
      ASSERT_TRUE(pad->ready()) << SDL_GetError();
    window.at(0, [this] { deliver(); });  // SDL announces the pads
  }

  // Lets SDL report what the pads did, through the program's Pads.
  void deliver() {
    SDL_Event event;
    WindowEvent controls;
    while (SDL_PollEvent(&event) != 0) {
      if (pads_.translate(event, controls)) window.happen(controls);
    }
  }
  void set(double at, VirtualPad& pad, SDL_GameControllerButton button, bool down) {
    window.at(at, [this, &pad, button, down] {
      pad.button(button, down);
      deliver();
    });
  }
  // Down at `at` and up a twentieth of a second later.
  void press(double at, VirtualPad& pad, std::initializer_list<SDL_GameControllerButton> buttons) {
    for (const SDL_GameControllerButton button : buttons) {
      set(at, pad, button, true);
      set(at + 0.05, pad, button, false);
      at += 0.1;
    }
  }

  Pads pads_;  // before the pads, which must go first
  std::unique_ptr<VirtualPad> padsPlugged[2];
  ScriptedWindow window;
};

int count(const std::string& text, const std::string& line) {
  int found = 0;
  for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
    ++found;
  return found;
}

TEST_F(PadSession, AGameIsStartedPlayedAndQuitFromAPad) {
  VirtualPad& pad = *padsPlugged[0];
  // ゲーム > 開始, the start box's OK.
  press(0.1, pad, {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_A});
  // Right and fire held for 0.75 s: the first key-down, then a repeat every
  // 1/30 s from 0.5 s on.
  set(1.0, pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  set(1.0, pad, SDL_CONTROLLER_BUTTON_A, true);
  set(1.75, pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
  set(1.75, pad, SDL_CONTROLLER_BUTTON_A, false);
  // The stick leant left for a moment.
  window.at(2.0, [&] {
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    deliver();
  });
  window.at(2.1, [&] {
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    deliver();
  });
  // ゲーム > 終了; in its box the focus goes to いいえ and back to はい.
  press(
      3.0, pad,
      {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_A,
       SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_A});
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
  set(0.1, *padsPlugged[0], SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  window.at(0.3, [this] {
    padsPlugged[0]->unplug();
    deliver();
  });
  press(2.0, *padsPlugged[1],
        {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_A,
         SDL_CONTROLLER_BUTTON_A});
  const test::Played played = test::play(window);
  EXPECT_EQ(played.exitCode, 0);
  EXPECT_EQ(count(played.recording, "\nkey right\n"), 1) << played.recording;
  EXPECT_EQ(test::replayHeadless(played.recording), 0);
}

}  // namespace
}  // namespace vantorix::sdl
