#include "ui/application.h"

#include "ui/form.h"

namespace velk {

namespace {

struct ApplicationState {
    std::wstring title;
    std::wstring helpFile;
    HWND window = nullptr;
    Form* mainForm = nullptr;
};

ApplicationState& State() {
    static ApplicationState state;
    return state;
}

constexpr wchar_t kWindowClass[] = L"TApplication";

LRESULT CALLBACK ApplicationWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        if (Form* main = State().mainForm; main && main->hwnd() && IsWindowVisible(main->hwnd()))
            SetFocus(main->hwnd());
        return 0;
    case WM_CLOSE:
        if (Form* main = State().mainForm; main && main->hwnd()) PostMessageW(main->hwnd(), WM_CLOSE, 0, 0);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The session ends: the process goes without running any close handling.
        if (wParam) ExitProcess(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void Application::Initialize(const std::wstring& title, const std::wstring& helpFile) {
    ApplicationState& state = State();
    state.title = title;
    state.helpFile = helpFile;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ApplicationWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    // A zero-sized window that carries the title, so the taskbar button reads
    // as the application while the forms themselves keep their own captions.
    state.window = CreateWindowExW(0, kWindowClass, title.c_str(), WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                                   GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
}

const std::wstring& Application::Title() { return State().title; }
const std::wstring& Application::HelpFile() { return State().helpFile; }
HWND Application::Handle() { return State().window; }

int Application::Run(Form& mainForm) {
    State().mainForm = &mainForm;
    if (State().window) ShowWindow(State().window, SW_SHOWNOACTIVATE);
    mainForm.Show();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
    State().mainForm = nullptr;
    return static_cast<int>(msg.wParam);
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::DispatchOne(MSG& msg) {
    Form* form = msg.hwnd ? Form::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)) : nullptr;
    if (form && form->PreTranslateMessage(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace velk
