#pragma once
// A read-only view of many lines of text that lays out only the lines in
// sight, so a log of any length opens at once. It keeps the text it is given
// with WM_SETTEXT (lines ended by CR LF) and gives it back with WM_GETTEXT;
// arrows, page keys, Home/End, the wheel and the scroll bar move through it,
// and Ctrl+C copies it.
#include <windows.h>

namespace velk {

inline constexpr wchar_t kLogViewClass[] = L"VelkLogView";

// Registers the window class once per process.
void RegisterLogView();

}  // namespace velk
