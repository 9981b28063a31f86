#include "ui/message_box.h"

namespace velk {

void ShowErrorBoxFormatted(HWND owner, const wchar_t* format, const DWORD_PTR* inserts) {
    struct LocalText {
        wchar_t* text = nullptr;
        ~LocalText() { LocalFree(text); }
    } message;
    FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_ARGUMENT_ARRAY, format,
                   0, 0, reinterpret_cast<wchar_t*>(&message.text), 0,
                   reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(inserts)));
    MessageBoxW(owner, message.text, kErrorTitle, MB_OK);
}

void ShowUnstorableTextBox(HWND owner, const wchar_t* place, const wchar_t* number) {
    const DWORD_PTR inserts[] = {reinterpret_cast<DWORD_PTR>(place), reinterpret_cast<DWORD_PTR>(number)};
    ShowErrorBoxFormatted(owner, L"%1%2 ma znaki spoza strony kodowej 1250!", inserts);
}

void ShowPlainBox(HWND owner, const std::wstring& text, const wchar_t* title) {
    MessageBoxW(owner, text.c_str(), title, MB_OK);
}

void ShowFileErrorBox(HWND owner, const wchar_t* text, const std::wstring& path, FileError error) {
    wchar_t reason[512];
    // Language 0: the thread's, the user's, then the system's language.
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(error), 0, reason, std::size(reason), nullptr);
    // The system's texts end with a line break.
    while (length > 0 && reason[length - 1] <= L' ') --length;
    reason[length] = L'\0';
    const DWORD_PTR inserts[] = {reinterpret_cast<DWORD_PTR>(text), reinterpret_cast<DWORD_PTR>(path.c_str()),
                                 reinterpret_cast<DWORD_PTR>(reason)};
    ShowErrorBoxFormatted(owner, L"%1\n%2: %3", inserts);
}

}  // namespace velk
