// What the page calls: the game's five entry points, the frame it shows, the
// words of its menu and window, and the records of waiting boxes.
#include <array>
#include <cstdint>
#include <string_view>

#include "app/game.h"
#include "app/texts.h"
#include "app/web/web_shell.h"
#include "render/client_area.h"

namespace vantorix::web {

namespace {

WebShell& shell() {
  static WebShell theShell;
  return theShell;
}

std::int32_t addressOf(const void* p) {
  return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(p));
}

// The page's words by number: 0 the window title, 1 the menu, 2 and 3 its
// items, 4 to 6 the boxes' buttons OK, yes and no.
constexpr std::array<std::string_view, 7> kPageTexts{
    texts::kWindowTitle, texts::kMenuGame,  texts::kMenuStart, texts::kMenuQuit,
    texts::kButtonOk,    texts::kButtonYes, texts::kButtonNo};
constexpr std::array<std::int32_t, 7> kTextCommands{0, 0, kCommandStart, kCommandQuit, 0, 0, 0};

bool knownText(std::int32_t id) {
  return id >= 0 && static_cast<std::size_t>(id) < kPageTexts.size();
}

}  // namespace

extern "C" {

__attribute__((export_name("command"))) void exportCommand(std::int32_t id) {
  shell().game().command(id);
}

__attribute__((export_name("timer"))) void exportTimer() {
  shell().game().timer();
}

__attribute__((export_name("keyDown"))) void exportKeyDown(std::int32_t virtualKey) {
  shell().game().keyDown(virtualKey);
}

__attribute__((export_name("destroy"))) void exportDestroy() {
  shell().game().destroy();
}

// Paints the game; returns the address of the RGBA frame.
__attribute__((export_name("paint"))) std::int32_t exportPaint() {
  return addressOf(shell().paint().rgba().data());
}

__attribute__((export_name("frameWidth"))) std::int32_t exportFrameWidth() {
  return kClientWidth;
}

__attribute__((export_name("frameHeight"))) std::int32_t exportFrameHeight() {
  return kClientHeight;
}

// UTF-8 bytes of one of the page's words, and their count; 0 for no such word.
__attribute__((export_name("textAddress"))) std::int32_t exportTextAddress(std::int32_t id) {
  return knownText(id) ? addressOf(kPageTexts[static_cast<std::size_t>(id)].data()) : 0;
}

__attribute__((export_name("textLength"))) std::int32_t exportTextLength(std::int32_t id) {
  return knownText(id) ? static_cast<std::int32_t>(kPageTexts[static_cast<std::size_t>(id)].size())
                       : 0;
}

// The menu command of a menu item's word; 0 for any other.
__attribute__((export_name("textCommand"))) std::int32_t exportTextCommand(std::int32_t id) {
  return knownText(id) ? kTextCommands[static_cast<std::size_t>(id)] : 0;
}

// The session's recording so far, as UTF-8 text: its address and its length.
__attribute__((export_name("recordingAddress"))) std::int32_t exportRecordingAddress() {
  return addressOf(shell().recording().data());
}

__attribute__((export_name("recordingLength"))) std::int32_t exportRecordingLength() {
  return static_cast<std::int32_t>(shell().recording().size());
}

// The asyncify record for the box waiting at `depth`, ready to be written;
// 0 when that many boxes cannot wait at once.
__attribute__((export_name("waitRecord"))) std::int32_t exportWaitRecord(std::int32_t depth) {
  return addressOf(shell().waitRecord(depth));
}

}  // extern "C"

}  // namespace vantorix::web
