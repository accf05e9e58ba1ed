#include "app/win32/replay.h"

#include "app/headless_game.h"
#include "app/shell/session.h"
#include "app/win32/error_box.h"
#include "app/win32/wide_text.h"

namespace vantorix::win32 {

namespace {

// The window's timer while it replays: the system may round the period up,
// and every message plays whatever has come due since the last one.
constexpr UINT_PTR kReplayTimerId = 1;
constexpr UINT kReplayTimerPeriodMs = 4;

BOOL CALLBACK findBox(HWND window, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (std::wstring_view(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The one message box this thread has on show, or null while it has none.
HWND shownMessageBox() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

WindowReplay::WindowReplay() {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  countsPerSecond_ = frequency.QuadPart;
}

std::uint64_t WindowReplay::now() const {
  LARGE_INTEGER counts{};
  QueryPerformanceCounter(&counts);
  return shell::microsecondsOf(static_cast<std::uint64_t>(counts.QuadPart),
                               static_cast<std::uint64_t>(countsPerSecond_));
}

bool WindowReplay::open(const std::wstring& path, std::string& error) {
  return file_.open(std::filesystem::path(path), narrowed(path), error);
}

void WindowReplay::attach(HWND window, RecordedGame& game) {
  window_ = window;
  game_ = &game;
}

void WindowReplay::begin() {
  SetTimer(window_, kReplayTimerId, kReplayTimerPeriodMs, nullptr);
}

void WindowReplay::heartbeat() {
  if (shown_.open) {
    answerShownBox();
    return;
  }
  if (playing_ || stopped_) return;
  playing_ = true;
  playDue();
  playing_ = false;
}

void WindowReplay::playDue() {
  for (;;) {
    switch (file_.player().next(*this)) {
      case ScriptPlayer::Next::kTimer: {
        // The recorded timer messages at the game's own pace, whatever the
        // game did with its timer.
        const std::uint64_t time = now();
        if (!pacer_.running()) {
          pacer_.start(time);
          return;
        }
        if (!pacer_.due(time)) return;
        pacer_.takeTick(time);
        file_.player().play(*this);
        break;
      }
      case ScriptPlayer::Next::kStep:
        file_.player().play(*this);
        break;
      case ScriptPlayer::Next::kEnd:
        stop();
        return;
    }
    if (file_.player().stopped()) {
      stop();
      return;
    }
  }
}

void WindowReplay::stop() {
  if (stopped_) return;
  stopped_ = true;
  if (IsWindow(window_)) KillTimer(window_, kReplayTimerId);
  // A game that posted its own quit has ended the loop already.
  if (!ended_) PostQuitMessage(file_.player().outcome().exitStatus());
}

int WindowReplay::showBox(std::string_view text, std::string_view caption, BoxButtons buttons) {
  const ScriptPlayer::BoxReply reply = file_.player().answerFor(text, buttons);
  // A recording that lacks an answer stops here: the box gives up unseen.
  if (file_.player().stopped()) return unansweredAnswer(buttons);
  shown_ = {true, false, reply, now() + shell::Session::kReplayedBoxMicroseconds};
  // The recorded answer's button has the focus while the box shows.
  UINT flags = boxFlags(buttons);
  if (buttons == BoxButtons::kYesNo && reply.answer != kIdYes) flags |= MB_DEFBUTTON2;
  const WideText wideText(text);
  const WideText wideCaption(caption);
  MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), flags);
  shown_.open = false;
  // The recording's answer, whoever pressed a button.
  return reply.answer;
}

void WindowReplay::answerShownBox() {
  if (shown_.answered || now() < shown_.due) return;
  const HWND box = shownMessageBox();
  if (box == nullptr) return;  // not on show yet: the next timer message looks again
  shown_.answered = true;
  // The window goes while its box is open, as it went in the session.
  if (shown_.reply.closesWindow) DestroyWindow(window_);
  // Pressing the button tells the box as a click does; an answer no button
  // gives presses the one that changes nothing.
  int id = shown_.reply.answer;
  HWND button = GetDlgItem(box, id);
  if (button == nullptr) {
    id = GetDlgItem(box, IDOK) != nullptr ? IDOK : IDNO;
    button = GetDlgItem(box, id);
  }
  SendMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

int WindowReplay::finish() const {
  if (const std::string report = file_.report(); !report.empty()) showError(report);
  return file_.player().outcome().exitStatus();
}

}  // namespace vantorix::win32
