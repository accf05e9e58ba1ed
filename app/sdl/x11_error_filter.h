// SDL 2.26 on X11 wakes its own event wait by sending a message to the game
// window over a second connection. When the window closes right then, that
// message can reach a window already gone, and the X error it causes only
// arrives at SDL_Quit, where Xlib's default handler would end the program
// with status 1 instead of the game's 0.
#pragma once

namespace vantorix::sdl {

// Lets that one harmless error pass; every other X error is handled as
// before. Call before SDL starts, so SDL keeps this handler as the one to
// restore.
void filterLostWakeUpErrors();

}  // namespace vantorix::sdl
