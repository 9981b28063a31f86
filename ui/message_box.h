#pragma once
// The program's three kinds of message box.
#include <windows.h>

#include <string>

namespace velk {

inline constexpr wchar_t kErrorTitle[] = L"Błąd!";
inline constexpr wchar_t kInformationTitle[] = L"Informacja";

// A plain box: one OK button, no icon ("Błąd!" failures, "Informacja"
// confirmations).
void ShowPlainBox(HWND owner, const std::wstring& text, const wchar_t* title);

// The standard error box: the message and a full stop, the application
// title, the error icon and one OK button.
void ShowErrorBox(HWND owner, const std::wstring& message) noexcept;

}  // namespace velk
