// The game's message boxes as SDL shows them: modal, with no owner window,
// answering as the Windows boxes do (OK 1, Yes 6, No 7).
#pragma once

#include <string_view>

#include "app/platform.h"

namespace vantorix::sdl {

int showBox(std::string_view text, std::string_view caption, BoxButtons buttons);

}  // namespace vantorix::sdl
