#include "app/sdl/message_box.h"

#include <SDL.h>

#include <array>
#include <cstdio>

namespace vantorix::sdl {

namespace {

// The box wants terminated strings; the texts are short and fixed, and the
// box may open inside a tick, so they are copied without allocating.
class BoxText {
 public:
  explicit BoxText(std::string_view text) {
    const std::size_t length = text.size() < chars_.size() ? text.size() : chars_.size() - 1;
    text.copy(chars_.data(), length);
    chars_[length] = '\0';
  }
  const char* c_str() const { return chars_.data(); }

 private:
  std::array<char, 256> chars_{};
};

constexpr int kClosedWithoutAnswer = -1;

}  // namespace

int showBox(std::string_view text, std::string_view caption, BoxButtons buttons) {
  const BoxText message(text);
  const BoxText title(caption);
  constexpr Uint32 kBoth =
      SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
  // Yes is the default, and like the Windows box this one has no Cancel:
  // Escape does nothing.
  const std::array<SDL_MessageBoxButtonData, 1> ok{{{kBoth, kIdOk, "OK"}}};
  const std::array<SDL_MessageBoxButtonData, 2> yesNo{{
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kIdYes, "Yes"},
      {0, kIdNo, "No"},
  }};
  const bool asks = buttons == BoxButtons::kYesNo;
  const SDL_MessageBoxData box{SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
                               nullptr,
                               title.c_str(),
                               message.c_str(),
                               asks ? static_cast<int>(yesNo.size()) : static_cast<int>(ok.size()),
                               asks ? yesNo.data() : ok.data(),
                               nullptr};
  for (;;) {
    int answer = kClosedWithoutAnswer;
    if (SDL_ShowMessageBox(&box, &answer) != 0) {
      std::fprintf(stderr, "vantorix: cannot show the box \"%s\": %s\n", message.c_str(),
                   SDL_GetError());
      // Nothing was answered: the choice that changes nothing.
      return asks ? kIdNo : kIdOk;
    }
    if (answer != kClosedWithoutAnswer) return answer;
    // Closed by its window's close box: a question has no such way out on
    // Windows, so it is asked again; a notice counts as read.
    if (!asks) return kIdOk;
  }
}

}  // namespace vantorix::sdl
