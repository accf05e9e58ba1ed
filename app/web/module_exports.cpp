// What the page calls: the raw inputs of its window (keys, the pointer, what
// pads and fingers hold), the session's time,
// what the session shows (the menu, the boxes, the frame, its end), the words
// of the page, the recording, a recording to play back, and the clock's
// figures for ?pacing. Numbers
// the page passes or reads back are given here; game_module.mjs names them.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/shell/controls.h"
#include "app/texts.h"
#include "app/web/replay_text.h"
#include "app/web/web_shell.h"
#include "render/client_area.h"

namespace vantorix::web {

namespace {

// The module's one session, made at the first call that needs it: a replay
// of the recording written and checked before, or else a live session.
struct Module {
  ReplayText replay;
  std::optional<WebShell> shell;
};

Module& module() {
  static Module theModule;
  return theModule;
}

WebShell& shell() {
  Module& m = module();
  if (!m.shell) m.shell.emplace(m.replay.player());
  return *m.shell;
}

shell::Session& session() {
  return shell().session();
}

std::int32_t addressOf(const void* p) {
  return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(p));
}

// The page's words by number: 0 the window title, 1 the menu, 2 and 3 its
// items, 4 to 6 the boxes' buttons OK, yes and no (PageText).
constexpr std::array<std::string_view, 7> kPageTexts{
    texts::kWindowTitle, texts::kMenuGame,  texts::kMenuStart, texts::kMenuQuit,
    texts::kButtonOk,    texts::kButtonYes, texts::kButtonNo};

bool knownText(std::int32_t id) {
  return id >= 0 && static_cast<std::size_t>(id) < kPageTexts.size();
}

// The number of one of the page's words; -1 for none.
std::int32_t textIdOf(std::string_view text) {
  for (std::size_t id = 0; id < kPageTexts.size(); ++id) {
    if (kPageTexts[id] == text) return static_cast<std::int32_t>(id);
  }
  return -1;
}

// Pointer actions: 0 down, 1 move, 2 up (PointerAction).
bool knownAction(std::int32_t action) {
  return action >= 0 && action <= 2;
}
static_assert(static_cast<int>(shell::PointerAction::kDown) == 0 &&
              static_cast<int>(shell::PointerAction::kMove) == 1 &&
              static_cast<int>(shell::PointerAction::kUp) == 2);

// What the pointer is on in the menu: 0 elsewhere, 1 the title, 2 the open
// popup beside its items, 3 an item (MenuPart).
using MenuPart = shell::MenuTarget::Part;
static_assert(static_cast<int>(MenuPart::kElsewhere) == 0 &&
              static_cast<int>(MenuPart::kTitle) == 1 && static_cast<int>(MenuPart::kPopup) == 2 &&
              static_cast<int>(MenuPart::kItem) == 3);

// The menu's mode: 0 closed, 1 the bar selected, 2 open (MenuMode).
static_assert(static_cast<int>(shell::Menu::Mode::kClosed) == 0 &&
              static_cast<int>(shell::Menu::Mode::kBarSelected) == 1 &&
              static_cast<int>(shell::Menu::Mode::kOpen) == 2);

// A set of controls (Control): bit 0 left, 1 up, 2 right, 3 down, 4 fire,
// 5 back, 6 start. A pad's buttons (PadButton) take the same bits: the D-pad,
// A, B and Start.
constexpr std::int32_t kAllControls = (1 << shell::kControlCount) - 1;
static_assert(shell::controlBit(shell::Control::kLeft) == 1 &&
              shell::controlBit(shell::Control::kUp) == 2 &&
              shell::controlBit(shell::Control::kRight) == 4 &&
              shell::controlBit(shell::Control::kDown) == 8 &&
              shell::controlBit(shell::Control::kFire) == 16 &&
              shell::controlBit(shell::Control::kBack) == 32 &&
              shell::controlBit(shell::Control::kStart) == 64);

bool knownControls(std::int32_t set) {
  return set >= 0 && set <= kAllControls;
}

shell::PadReading padReadingOf(std::int32_t buttons, std::int32_t stickX, std::int32_t stickY) {
  const auto has = [buttons](shell::Control control) {
    return (buttons & shell::controlBit(control)) != 0;
  };
  shell::PadReading pad;
  pad.left = has(shell::Control::kLeft);
  pad.up = has(shell::Control::kUp);
  pad.right = has(shell::Control::kRight);
  pad.down = has(shell::Control::kDown);
  pad.a = has(shell::Control::kFire);
  pad.b = has(shell::Control::kBack);
  pad.start = has(shell::Control::kStart);
  pad.stickX = stickX;
  pad.stickY = stickY;
  return pad;
}

const shell::MessageBox* boxAt(std::int32_t depth) {
  return depth >= 0 && depth < session().openBoxes() ? &session().box(depth) : nullptr;
}

}  // namespace

extern "C" {

// ---- inputs

// Where the page writes a key's KeyboardEvent.code, and how much fits.
__attribute__((export_name("keyCode"))) std::int32_t exportKeyCode() {
  return addressOf(shell().keyCode());
}

__attribute__((export_name("keyCodeRoom"))) std::int32_t exportKeyCodeRoom() {
  return WebShell::kKeyCodeRoom;
}

// The virtual-key code of the written code of `length` bytes.
__attribute__((export_name("virtualKeyOfCode"))) std::int32_t exportVirtualKeyOfCode(
    std::int32_t length) {
  return shell().virtualKeyOfCode(length);
}

// Takes the written code of `length` bytes with its flags for the next
// keyDown or keyUp; 1 when the page must keep the key from the browser.
__attribute__((export_name("takeKey"))) std::int32_t exportTakeKey(std::int32_t length,
                                                                   std::int32_t repeat,
                                                                   std::int32_t shift,
                                                                   std::int32_t alt) {
  return shell().takeKey(length, repeat != 0, shift != 0, alt != 0) ? 1 : 0;
}

__attribute__((export_name("keyDown"))) void exportKeyDown() {
  shell().keyDown();
}

__attribute__((export_name("keyUp"))) void exportKeyUp() {
  shell().keyUp();
}

// The left button on the menu: `item` counts with the part 3.
__attribute__((export_name("menuPointer"))) void exportMenuPointer(std::int32_t action,
                                                                   std::int32_t part,
                                                                   std::int32_t item) {
  if (!knownAction(action)) return;
  shell::MenuTarget target;
  if (part == static_cast<int>(MenuPart::kTitle)) target = shell::MenuTarget::title();
  if (part == static_cast<int>(MenuPart::kPopup)) target = shell::MenuTarget::popup();
  if (part == static_cast<int>(MenuPart::kItem)) target = shell::MenuTarget::itemAt(item);
  session().menuPointer(static_cast<shell::PointerAction>(action), target);
}

// The left button on the newest box: on button `target`, or -1 for none.
__attribute__((export_name("boxPointer"))) void exportBoxPointer(std::int32_t action,
                                                                 std::int32_t target) {
  if (knownAction(action)) session().boxPointer(static_cast<shell::PointerAction>(action), target);
}

// What `holder` (a pad by its index, a finger by a negative number) holds
// now: a set of controls; 0 lets it go. A set with other bits is ignored.
__attribute__((export_name("holdControls"))) void exportHoldControls(std::int32_t holder,
                                                                     std::int32_t held) {
  if (knownControls(held)) session().holdControls(holder, static_cast<shell::ControlSet>(held));
}

// A pad's reading as the page polled it: its buttons (PadButton) and its
// left stick, -32768 to 32767 each way, y growing downwards. Where the
// stick starts to hold a direction is the shell core's to say.
__attribute__((export_name("holdPad"))) void exportHoldPad(std::int32_t holder,
                                                           std::int32_t buttons,
                                                           std::int32_t stickX,
                                                           std::int32_t stickY) {
  if (!knownControls(buttons)) return;
  session().holdControls(holder, shell::controlsOf(padReadingOf(buttons, stickX, stickY)));
}

// The page is going away: the window closes.
__attribute__((export_name("closeWindow"))) void exportCloseWindow() {
  session().closeWindow();
}

__attribute__((export_name("focusLost"))) void exportFocusLost() {
  session().focusLost();
}

// ---- time

__attribute__((export_name("advance"))) void exportAdvance() {
  session().advance();
}

// Milliseconds until advance() is due again; -1: not before an input.
__attribute__((export_name("millisecondsToWait"))) std::int32_t exportMillisecondsToWait() {
  return session().millisecondsToWait();
}

// ---- what the page shows

__attribute__((export_name("menuMode"))) std::int32_t exportMenuMode() {
  return static_cast<std::int32_t>(session().menu().mode());
}

__attribute__((export_name("menuHighlighted"))) std::int32_t exportMenuHighlighted() {
  return session().menu().highlighted();
}

__attribute__((export_name("menuItemCount"))) std::int32_t exportMenuItemCount() {
  return shell::kMenuItemCount;
}

// The word (PageText) of the menu's title (-1) or of its item `index`.
__attribute__((export_name("menuText"))) std::int32_t exportMenuText(std::int32_t index) {
  if (index == -1) return textIdOf(shell::menuTitle());
  if (index < 0 || index >= shell::kMenuItemCount) return -1;
  return textIdOf(shell::menuItems()[static_cast<std::size_t>(index)].text);
}

__attribute__((export_name("openBoxes"))) std::int32_t exportOpenBoxes() {
  return session().openBoxes();
}

// True once the newest box has its answer or the session has ended: the
// page then runs the call that waits for it again.
__attribute__((export_name("newestBoxDone"))) std::int32_t exportNewestBoxDone() {
  return session().newestBoxDone() ? 1 : 0;
}

// The boxes by depth, 0 for the oldest: see WebShell::boxSerial.
__attribute__((export_name("boxSerial"))) std::int32_t exportBoxSerial(std::int32_t depth) {
  return static_cast<std::int32_t>(shell().boxSerial(depth));
}

__attribute__((export_name("boxTextAddress"))) std::int32_t exportBoxTextAddress(
    std::int32_t depth) {
  const shell::MessageBox* box = boxAt(depth);
  return box != nullptr ? addressOf(box->text().data()) : 0;
}

__attribute__((export_name("boxTextLength"))) std::int32_t exportBoxTextLength(std::int32_t depth) {
  const shell::MessageBox* box = boxAt(depth);
  return box != nullptr ? static_cast<std::int32_t>(box->text().size()) : 0;
}

__attribute__((export_name("boxCaptionAddress"))) std::int32_t exportBoxCaptionAddress(
    std::int32_t depth) {
  const shell::MessageBox* box = boxAt(depth);
  return box != nullptr ? addressOf(box->caption().data()) : 0;
}

__attribute__((export_name("boxCaptionLength"))) std::int32_t exportBoxCaptionLength(
    std::int32_t depth) {
  const shell::MessageBox* box = boxAt(depth);
  return box != nullptr ? static_cast<std::int32_t>(box->caption().size()) : 0;
}

__attribute__((export_name("boxButtonCount"))) std::int32_t exportBoxButtonCount(
    std::int32_t depth) {
  const shell::MessageBox* box = boxAt(depth);
  return box != nullptr ? static_cast<std::int32_t>(box->buttons().size()) : 0;
}

// The word (PageText) on button `index` of the box at `depth`; -1 for none.
__attribute__((export_name("boxButtonText"))) std::int32_t exportBoxButtonText(std::int32_t depth,
                                                                               std::int32_t index) {
  const shell::MessageBox* box = boxAt(depth);
  if (box == nullptr || index < 0 || static_cast<std::size_t>(index) >= box->buttons().size()) {
    return -1;
  }
  return textIdOf(box->buttons()[static_cast<std::size_t>(index)].label);
}

// The button with the focus, and the one drawn pressed in (-1 for none).
__attribute__((export_name("boxFocused"))) std::int32_t exportBoxFocused(std::int32_t depth) {
  const shell::MessageBox* box = boxAt(depth);
  return box != nullptr ? box->focused() : -1;
}

__attribute__((export_name("boxPressed"))) std::int32_t exportBoxPressed(std::int32_t depth) {
  const shell::MessageBox* box = boxAt(depth);
  return box != nullptr ? box->pressed() : shell::MessageBox::kNone;
}

__attribute__((export_name("boxAnswered"))) std::int32_t exportBoxAnswered(std::int32_t depth) {
  const shell::MessageBox* box = boxAt(depth);
  return box != nullptr && box->answered() ? 1 : 0;
}

// The picture changed since it was last painted.
__attribute__((export_name("needsPaint"))) std::int32_t exportNeedsPaint() {
  return session().needsPaint() ? 1 : 0;
}

// Paints the session; returns the address of the RGBA frame.
__attribute__((export_name("paint"))) std::int32_t exportPaint() {
  return addressOf(shell().paint().rgba().data());
}

// Where the latest paint changed the frame: changedCount() rectangles, at
// most mostChangedAreas(), at changedAreas(), four 32-bit numbers each, left, top, right and bottom
// (excluded), in the frame's pixels.
__attribute__((export_name("changedCount"))) std::int32_t exportChangedCount() {
  return static_cast<std::int32_t>(shell().changed().areas().size());
}

__attribute__((export_name("changedAreas"))) std::int32_t exportChangedAreas() {
  static_assert(sizeof(Area) == 4 * sizeof(std::int32_t) && sizeof(int) == sizeof(std::int32_t));
  return addressOf(shell().changed().areas().data());
}

__attribute__((export_name("mostChangedAreas"))) std::int32_t exportMostChangedAreas() {
  return AreaList::kMaxAreas;
}

// The next paint changes the whole frame.
__attribute__((export_name("invalidateAll"))) void exportInvalidateAll() {
  shell().invalidateAll();
}

__attribute__((export_name("frameWidth"))) std::int32_t exportFrameWidth() {
  return kClientWidth;
}

__attribute__((export_name("frameHeight"))) std::int32_t exportFrameHeight() {
  return kClientHeight;
}

__attribute__((export_name("ended"))) std::int32_t exportEnded() {
  return session().ended() ? 1 : 0;
}

__attribute__((export_name("exitCode"))) std::int32_t exportExitCode() {
  return session().exitCode();
}

// ---- words and the recording

// UTF-8 bytes of one of the page's words, and their count; 0 for no such word.
__attribute__((export_name("textAddress"))) std::int32_t exportTextAddress(std::int32_t id) {
  return knownText(id) ? addressOf(kPageTexts[static_cast<std::size_t>(id)].data()) : 0;
}

__attribute__((export_name("textLength"))) std::int32_t exportTextLength(std::int32_t id) {
  return knownText(id) ? static_cast<std::int32_t>(kPageTexts[static_cast<std::size_t>(id)].size())
                       : 0;
}

// The session's recording so far, as UTF-8 text: its address and its length.
__attribute__((export_name("recordingAddress"))) std::int32_t exportRecordingAddress() {
  return addressOf(shell().recording().data());
}

__attribute__((export_name("recordingLength"))) std::int32_t exportRecordingLength() {
  return static_cast<std::int32_t>(shell().recording().size());
}

// ---- a recording to play back, before the session is made

// Where the page writes a recording's `length` bytes; 0 for a length that is
// not a recording's, or once the session is made.
__attribute__((export_name("replayRoom"))) std::int32_t exportReplayRoom(std::int32_t length) {
  if (module().shell || length < 0) return 0;
  return addressOf(module().replay.room(static_cast<std::size_t>(length)));
}

// Plays the written recording through without a window: its exit status as
// the simulator's, 0 when it played through. The session made next then
// plays it back, each digest checked.
__attribute__((export_name("checkReplay"))) std::int32_t exportCheckReplay() {
  if (module().shell) return kMalformedScriptExit;
  return module().replay.check().exitStatus();
}

// How the check, then the replay, went: its exit status as the simulator's
// (0 for played through so far), the line it stopped at, and what was wrong
// there as the simulator says it, in UTF-8.
__attribute__((export_name("replayStatus"))) std::int32_t exportReplayStatus() {
  return module().replay.outcome().exitStatus();
}

__attribute__((export_name("replayLine"))) std::int32_t exportReplayLine() {
  return static_cast<std::int32_t>(module().replay.outcome().line);
}

__attribute__((export_name("replayMessageAddress"))) std::int32_t exportReplayMessageAddress() {
  return addressOf(module().replay.outcome().message.data());
}

__attribute__((export_name("replayMessageLength"))) std::int32_t exportReplayMessageLength() {
  return static_cast<std::int32_t>(module().replay.outcome().message.size());
}

// ---- the clock's figures

__attribute__((export_name("ticksPerSecond"))) std::int32_t exportTicksPerSecond() {
  return shell::kTicksPerSecond;
}

// Ticks taken so far, and the latest one's lateness in microseconds.
__attribute__((export_name("ticks"))) std::int32_t exportTicks() {
  return static_cast<std::int32_t>(shell().ticks());
}

__attribute__((export_name("latestLateness"))) double exportLatestLateness() {
  return static_cast<double>(shell().latestLateness());
}

// Counts the clock's starts and stops: a measured run of ticks breaks there.
__attribute__((export_name("clockChanges"))) std::int32_t exportClockChanges() {
  return static_cast<std::int32_t>(shell().clockChanges());
}

}  // extern "C"

}  // namespace vantorix::web
