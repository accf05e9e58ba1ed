#include "app/win32/shell.h"

#include "app/win32/error_box.h"
#include "app/win32/gdi_canvas.h"
#include "app/win32/wide_text.h"

namespace vantorix::win32 {

Shell::~Shell() {
  // After a quit the window outlives the message loop; make sure nothing it
  // still receives can reach a shell that is gone.
  if (window_ != nullptr && IsWindow(window_)) SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
}

void Shell::attach(HWND window) {
  window_ = window;
  if (replay_ != nullptr) replay_->attach(window, game_);
}

void Shell::timer() {
  // Every timer message is a game tick, or in a replay the moment to play
  // what the recording has due.
  if (replay_ != nullptr) {
    replay_->heartbeat();
  } else {
    game_.timer();
  }
}

void Shell::paint() {
  PAINTSTRUCT ps;
  const HDC target = BeginPaint(window_, &ps);
  const HDC memory = CreateCompatibleDC(target);
  GdiCanvas canvas(target, memory, sprites_);
  game_.paint(canvas);
  EndPaint(window_, &ps);
  // Only now: the last sprite stays selected in it up to here.
  DeleteDC(memory);
}

void Shell::destroy() {
  sprites_.release();
  game_.destroy();
}

void Shell::startGameTimer() {
  if (replay_ != nullptr) {
    replay_->setGameTimer(true);
    return;
  }
  SetTimer(window_, static_cast<UINT_PTR>(kGameTimerId), static_cast<UINT>(kGameTimerPeriodMs),
           nullptr);
}

void Shell::stopGameTimer() {
  if (replay_ != nullptr) {
    replay_->setGameTimer(false);
    return;
  }
  KillTimer(window_, static_cast<UINT_PTR>(kGameTimerId));
}

int Shell::showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) {
  if (replay_ != nullptr) return replay_->showBox(text, caption, buttons);
  const WideText wideText(text);
  const WideText wideCaption(caption);
  // No owner window: the game window and its menu stay usable meanwhile.
  return MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), boxFlags(buttons));
}

void Shell::invalidate() {
  InvalidateRect(window_, nullptr, TRUE);
}

void Shell::postQuit(int exitCode) {
  if (replay_ != nullptr) replay_->quitPosted();
  PostQuitMessage(exitCode);
}

}  // namespace vantorix::win32
