#include "app/win32/shell.h"

#include "app/win32/gdi_canvas.h"
#include "app/win32/wide_text.h"

namespace vantorix::win32 {

Shell::~Shell() {
  // After a quit the window outlives the message loop; make sure nothing it
  // still receives can reach a shell that is gone.
  if (window_ != nullptr && IsWindow(window_)) SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
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
  SetTimer(window_, static_cast<UINT_PTR>(kGameTimerId), static_cast<UINT>(kGameTimerPeriodMs),
           nullptr);
}

void Shell::stopGameTimer() {
  KillTimer(window_, static_cast<UINT_PTR>(kGameTimerId));
}

int Shell::showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) {
  const WideText wideText(text);
  const WideText wideCaption(caption);
  const UINT flags = buttons == BoxButtons::kYesNo ? MB_YESNO : MB_OK;
  // No owner window: the game window and its menu stay usable meanwhile.
  return MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), flags);
}

void Shell::invalidate() {
  InvalidateRect(window_, nullptr, TRUE);
}

void Shell::postQuit(int exitCode) {
  PostQuitMessage(exitCode);
}

}  // namespace vantorix::win32
