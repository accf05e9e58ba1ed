// The message boxes show Japanese text only under a UTF-8 locale.
#pragma once

namespace vantorix::sdl {

// Takes the locale from the environment; when that one is not UTF-8, picks a
// UTF-8 one and puts it into the program's own environment too, where the
// message box looks for it.
void ensureUtf8Locale();

}  // namespace vantorix::sdl
