#pragma once
// The program's three kinds of message box; the standard error box is
// win/error_box.h.
#include <windows.h>

#include <string>

#include "core/file_error.h"
#include "win/error_box.h"

namespace velk {

inline constexpr wchar_t kErrorTitle[] = L"Błąd!";
inline constexpr wchar_t kInformationTitle[] = L"Informacja";

// A plain box: one OK button, no icon ("Błąd!" failures, "Informacja"
// confirmations).
void ShowPlainBox(HWND owner, const std::wstring& text, const wchar_t* title);

// The "Błąd!" box of a file that could not be written: the text, and on the
// next line the file's full path and the system's reason, in the user's
// language.
void ShowFileErrorBox(HWND owner, const wchar_t* text, const std::wstring& path, FileError error);

// A "Błąd!" box whose text is the format with its inserts (FormatMessageW's
// %1, %2…, never read again for a '%' of their own).
void ShowErrorBoxFormatted(HWND owner, const wchar_t* format, const DWORD_PTR* inserts);

// The "Błąd!" box of a text that the settings file cannot hold (win/text.h),
// naming the place where it stands and its number, if it has one
// ("Linia " and "3").
void ShowUnstorableTextBox(HWND owner, const wchar_t* place, const wchar_t* number);

}  // namespace velk
