#pragma once
// The program's three kinds of message box; the standard error box is
// win/error_box.h.
#include <windows.h>

#include <string>

#include "win/error_box.h"

namespace velk {

inline constexpr wchar_t kErrorTitle[] = L"Błąd!";
inline constexpr wchar_t kInformationTitle[] = L"Informacja";

// A plain box: one OK button, no icon ("Błąd!" failures, "Informacja"
// confirmations).
void ShowPlainBox(HWND owner, const std::wstring& text, const wchar_t* title);

}  // namespace velk
