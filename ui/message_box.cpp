#include "ui/message_box.h"

#include "ui/application.h"

namespace velk {

void ShowPlainBox(HWND owner, const std::wstring& text, const wchar_t* title) {
    MessageBoxW(owner, text.c_str(), title, MB_OK);
}

void ShowErrorBox(HWND owner, const std::wstring& message) {
    const std::wstring text = message + L".";
    MessageBoxW(owner, text.c_str(), Application::Title().c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace velk
