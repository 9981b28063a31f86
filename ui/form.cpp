#include "ui/form.h"

#include <vector>

#include "core/dpi_scale.h"
#include "ui/application.h"
#include "win/dpi.h"
#include "win/guarded_call.h"
#include "ui/message_box.h"
#include "core/screen_fit.h"

namespace velk {

Form::~Form() {
    // A final form that did not destroy its window: nothing of the derived
    // object may be reached any more, so its messages go to the default.
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(std::exchange(hwnd_, nullptr));
    }
}

void Form::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool CreateForms(std::initializer_list<Form*> forms) {
    for (Form* form : forms) {
        if (form->Create()) continue;
        ShowErrorBox(nullptr, L"Nie mogę utworzyć okna programu");
        return false;
    }
    return true;
}

bool Form::Create(const FormArgs& args) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = args.classStyle;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(args.classBackground));
    windowClass.lpszClassName = args.className;
    if (args.iconResource) {
        // Shared icons belong to the system, like LoadIconW's: nothing to free.
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(args.iconResource));
        windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(args.iconResource), IMAGE_ICON,
                                                            GetSystemMetrics(SM_CXSMICON),
                                                            GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    }
    RegisterClassExW(&windowClass);  // a second form of one class finds it registered

    dpi_ = SystemDpi();
    RECT frame{0, 0, Scaled(args.clientWidth), Scaled(args.clientHeight)};
    AdjustWindowRectEx(&frame, args.style, FALSE, args.exStyle);
    centreOnFirstShow_ = args.centred;
    const Application* application = Application::Current();
    CreateWindowExW(args.exStyle, args.className, args.caption, args.style, Scaled(args.left), Scaled(args.top),
                    frame.right - frame.left, frame.bottom - frame.top, application ? application->Handle() : nullptr,
                    nullptr, instance, this);
    if (!hwnd_) return false;
    // Its monitor may have a dpi of its own.
    if (const int shown = WindowDpi(hwnd_); shown != dpi_) {
        dpi_ = shown;
        SetClientSize(Scaled(args.clientWidth), Scaled(args.clientHeight));
    }
    return true;
}

int Form::Scaled(int designValue) const { return ScaleToDpi(designValue, dpi_); }

void Form::OnDpiChanged(const RECT& suggested) {
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

Form* Form::FromHandle(HWND hwnd) {
    // Every form's class has WindowProc as its class procedure, also while a
    // component has replaced the window's own procedure.
    if (!hwnd || GetClassLongPtrW(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&WindowProc)) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

namespace {

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& work = info.rcWork;
        reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back({work.left, work.top, work.right, work.bottom});
    }
    return TRUE;
}

}  // namespace

void Form::KeepReachable() {
    std::vector<ScreenRect> workAreas;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&workAreas));
    RECT window;
    GetWindowRect(hwnd_, &window);
    const ScreenRect now{window.left, window.top, window.right, window.bottom};
    const ScreenRect placed = ReachablePlace(now, workAreas, Scaled(32));
    if (placed == now) return;
    SetWindowPos(hwnd_, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
    if (IsWindowVisible(hwnd_)) {
        SetForegroundWindow(hwnd_);
        return;
    }
    if (centreOnFirstShow_) {
        centreOnFirstShow_ = false;
        RECT window;
        GetWindowRect(hwnd_, &window);
        const int width = window.right - window.left;
        const int height = window.bottom - window.top;
        SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    OnShow();
    KeepReachable();
    ShowWindow(hwnd_, SW_SHOW);
}

void Form::Hide() { ShowWindow(hwnd_, SW_HIDE); }

namespace {

BOOL CALLBACK CollectEnabledWindows(HWND hwnd, LPARAM lParam) {
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

}  // namespace

namespace {

// The windows a modal showing disables, enabled again when it ends.
class DisabledWindows {
public:
    DisabledWindows() {
        EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindows, reinterpret_cast<LPARAM>(&windows_));
        for (HWND window : windows_) EnableWindow(window, FALSE);
    }
    ~DisabledWindows() {
        for (HWND window : windows_)
            if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

private:
    std::vector<HWND> windows_;
};

}  // namespace

int Form::ShowModal() {
    modal_ = true;
    modalResult_ = mrNone;
    struct EndModal {
        Form& form;
        ~EndModal() {
            form.Hide();
            form.modal_ = false;
        }
    };
    // However the showing ends, also by an error: first the other windows
    // are enabled again, so that activation returns to the owner, then the
    // form hides.
    const EndModal end{*this};
    const DisabledWindows disabled;
    Show();
    SetForegroundWindow(hwnd_);
    RunModalLoop();
    return modalResult_;
}

void Form::RunModalLoop() {
    MSG msg;
    while (modalResult_ == mrNone) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave the quit message for the main loop.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            modalResult_ = mrCancel;
            break;
        }
        Application::DispatchOne(msg);
    }
}

bool Form::PreTranslateMessage(MSG& msg) { return IsDialogMessageW(hwnd_, &msg) != FALSE; }

void Form::SetClientSize(int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::OnCloseRequest() {
    if (modal_)
        modalResult_ = mrCancel;
    else
        Hide();
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Form::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        OnCloseRequest();
        return 0;
    }
    if (message == WM_DPICHANGED) {
        dpi_ = HIWORD(wParam);
        OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    return SessionHandling(hwnd_, message, wParam, lParam);
}

LRESULT Form::SessionHandling(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = nullptr;
    if (message == WM_NCCREATE) {
        form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    } else {
        form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return GuardedCall(hwnd, [&] { return form->HandleMessage(message, wParam, lParam); });
}

}  // namespace velk
