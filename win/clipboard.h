#pragma once
// Unicode text on the clipboard, opened for the owner window for the length
// of one call.
#include <windows.h>

#include <string>
#include <string_view>

namespace velk {

// Empty when the clipboard holds no text or cannot be opened.
std::wstring ReadClipboardText(HWND owner);
// Replaces the clipboard's contents; false when it cannot be done.
bool WriteClipboardText(HWND owner, std::wstring_view text);

}  // namespace velk
