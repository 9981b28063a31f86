#pragma once
// The standard error box: the message and a full stop, the program's title,
// the error icon and one OK button. The guarded call shows it, so it lives
// below the window framework; the application object gives it the title.
#include <windows.h>

#include <string>

namespace velk {

// The title of every error box from now on; null gives Windows' default.
// The text must outlive its use.
void SetErrorBoxTitle(const wchar_t* title) noexcept;
const wchar_t* ErrorBoxTitle() noexcept;

void ShowErrorBox(HWND owner, const std::wstring& message) noexcept;

}  // namespace velk
