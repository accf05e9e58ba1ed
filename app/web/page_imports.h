// What the page gives the module: its clock, its message boxes, its repaint
// and its end. These are the module's only imports; it uses nothing of WASI.
#pragma once

#include <cstdint>

namespace vantorix::web {

extern "C" {

// The page's 64 Hz game clock; every tick it takes reaches the timer export.
__attribute__((import_module("page"), import_name("startTimer"))) void pageStartTimer();
__attribute__((import_module("page"), import_name("stopTimer"))) void pageStopTimer();
// Opens an HTML dialog and waits for its answer (1 OK, 6 yes, 7 no). The wait
// leaves the module through asyncify; meanwhile the page paints, and ticks
// only while its clock runs. Texts are UTF-8, not terminated.
__attribute__((import_module("page"), import_name("showBox"))) std::int32_t pageShowBox(
    const char* text, std::int32_t textLength, const char* caption, std::int32_t captionLength,
    std::int32_t yesNo);
// The picture is out of date: the page paints it anew at its next frame.
__attribute__((import_module("page"), import_name("invalidate"))) void pageInvalidate();
// The program has ended with this exit code.
__attribute__((import_module("page"), import_name("quit"))) void pageQuit(std::int32_t exitCode);

}  // extern "C"

}  // namespace vantorix::web
