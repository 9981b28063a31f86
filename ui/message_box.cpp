#include "ui/message_box.h"

#include "ui/application.h"

namespace velk {

void ShowPlainBox(HWND owner, const std::wstring& text, const wchar_t* title) {
    MessageBoxW(owner, text.c_str(), title, MB_OK);
}

void ShowErrorBox(HWND owner, const std::wstring& message) noexcept {
    const Application* application = Application::Current();
    const wchar_t* title = application ? application->Title().c_str() : nullptr;
    try {
        const std::wstring text = message + L".";
        MessageBoxW(owner, text.c_str(), title, MB_OK | MB_ICONERROR);
    } catch (...) {
        // No memory even for the full stop: the message as it stands.
        MessageBoxW(owner, message.c_str(), title, MB_OK | MB_ICONERROR);
    }
}

}  // namespace velk
