// What the page gives the module: its clock, and its way of waiting for a
// box's answer. These are the module's only imports; it uses nothing of WASI.
#pragma once

#include <cstdint>

namespace vantorix::web {

extern "C" {

// Milliseconds of the page's steady clock (performance.now()).
__attribute__((import_module("page"), import_name("now"))) double pageNow();
// Leaves the module until the newest box has its answer: the call unwinds
// through asyncify into `record` (a WaitRecord) and is run again, to come
// back here, once the page sees the box answered. Meanwhile the page goes on
// calling the module: the game's ticks, the box's keys and clicks, paints.
__attribute__((import_module("page"), import_name("waitForAnswer"))) void pageWaitForAnswer(
    std::int32_t record);

}  // extern "C"

}  // namespace vantorix::web
