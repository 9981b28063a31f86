#include "ui/application.h"

#include "ui/form.h"
#include "win/error_box.h"

namespace velk {

Application* Application::current_ = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"TApplication";

}  // namespace

Application::Application(std::wstring title, BoxTitles boxTitles)
    : title_(std::move(title)), boxTitles_(boxTitles), outerErrorBoxTitle_(ErrorBoxTitle()) {
    current_ = this;
    SetErrorBoxTitle(title_.c_str());
    RegisterWindowClass({kWindowClass, 0, 0, 1});
    // A zero-sized window that carries the title, so the taskbar button reads
    // as the application while the forms themselves keep their own captions.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateBound(0, kWindowClass, title_.c_str(), WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, RECT{x, y, x, y}, nullptr);
}

Application::~Application() {
    if (hwnd()) DestroyWindow(hwnd());
    if (current_ != this) return;
    current_ = nullptr;
    SetErrorBoxTitle(outerErrorBoxTitle_);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    default: return Form::SessionHandling(hwnd(), message, wParam, lParam);
    }
}

inline void Application::OnSetFocus() {
    if (mainForm_ && mainForm_->hwnd() && IsWindowVisible(mainForm_->hwnd())) SetFocus(mainForm_->hwnd());
}

inline void Application::OnClose() {
    if (mainForm_ && mainForm_->hwnd()) PostMessageW(mainForm_->hwnd(), WM_CLOSE, 0, 0);
}

int Application::Run(Form& mainForm) {
    mainForm_ = &mainForm;
    if (Handle()) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    mainForm.Show();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
    mainForm_ = nullptr;
    return static_cast<int>(msg.wParam);
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::EndSession() {
    if (current_ && current_->mainForm_) {
        try {
            current_->mainForm_->OnSessionEnd();
        } catch (...) {
            // Nobody is left to read an error box: the session ends all the same.
        }
    }
    ExitProcess(0);
}

void Application::DispatchOne(MSG& msg) {
    Form* form = msg.hwnd ? Form::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)) : nullptr;
    if (form && form->PreTranslateMessage(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace velk
