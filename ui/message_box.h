#pragma once
// The program's three kinds of message box; the standard error box is
// win/error_box.h.
#include <windows.h>

#include <string>

#include "core/file_error.h"
#include "win/error_box.h"

namespace velk {

// The titles of a failure's and a confirmation's box, as the application
// was given them (ui/application.h); null, the system's own, without one.
const wchar_t* ErrorTitle();
const wchar_t* InformationTitle();

// A plain box: one OK button, no icon (failures, confirmations).
void ShowPlainBox(HWND owner, const std::wstring& text, const wchar_t* title);

// The failure's box of a file that could not be written: the text, and on the
// next line the file's full path and the system's reason, in the user's
// language.
void ShowFileErrorBox(HWND owner, const wchar_t* text, const std::wstring& path, FileError error);

// A failure's box whose text is the format with its inserts (FormatMessageW's
// %1, %2…, never read again for a '%' of their own).
void ShowErrorBoxFormatted(HWND owner, const wchar_t* format, const DWORD_PTR* inserts);

}  // namespace velk
