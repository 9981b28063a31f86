#pragma once
// The one catch chain of the program: called inside a catch block, it shows
// the error being handled in the standard error box.
#include <windows.h>

namespace velk {

void ReportCurrentError(HWND owner) noexcept;

}  // namespace velk
