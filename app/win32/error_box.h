// How the Windows program, which has no console, says what went wrong: a box
// with the line a console program would print.
#pragma once

#include <string>
#include <string_view>

#include "game/box_answers.h"

namespace vantorix::win32 {

// The caption of the program's error boxes.
inline constexpr std::wstring_view kErrorCaption = L"Vantorix error";

// The flags of a game box with these buttons: no icon, the first button focused.
unsigned boxFlags(BoxButtons buttons);

// Waits until the box is closed.
void showError(std::string_view utf8);

// Between the program's UTF-8 texts and the system's UTF-16 names.
std::wstring widened(std::string_view utf8);
std::string narrowed(std::wstring_view utf16);

// The system's words for an error code, without a line end.
std::string systemMessage(unsigned long code);

}  // namespace vantorix::win32
