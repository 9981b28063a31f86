#pragma once
// The whole text of a window: a control's contents, a form's caption.
#include <windows.h>

#include <string>

namespace velk {

std::wstring WindowText(HWND window);

}  // namespace velk
