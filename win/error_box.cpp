#include "win/error_box.h"

namespace velk {

namespace {

const wchar_t* errorBoxTitle = nullptr;

}  // namespace

void SetErrorBoxTitle(const wchar_t* title) noexcept { errorBoxTitle = title; }

const wchar_t* ErrorBoxTitle() noexcept { return errorBoxTitle; }

void ShowErrorBox(HWND owner, const std::wstring& message) noexcept {
    try {
        const std::wstring text = message + L".";
        MessageBoxW(owner, text.c_str(), errorBoxTitle, MB_OK | MB_ICONERROR);
    } catch (...) {
        // No memory even for the full stop: the message as it stands.
        MessageBoxW(owner, message.c_str(), errorBoxTitle, MB_OK | MB_ICONERROR);
    }
}

}  // namespace velk
