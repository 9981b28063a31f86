#include "ui/form.h"

#include <vector>

#include "core/dpi_scale.h"
#include "ui/application.h"
#include "win/dpi.h"
#include "win/guarded_call.h"
#include "win/rect.h"
#include "ui/message_box.h"
#include "core/screen_fit.h"

namespace velk {

namespace {

// WM_GETDPISCALEDSIZE (Windows 10 1703), which the headers give only from that WINVER.
constexpr UINT kGetDpiScaledSize = 0x02E4;

}  // namespace

void Form::Destroy() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool EnsureCreated(Form& form, HWND owner, const wchar_t* failureText) {
    if (form.hwnd() || form.Create()) return true;
    form.Destroy();
    ShowErrorBox(owner, failureText);
    return false;
}

bool Form::Create(const FormArgs& args) {
    RegisterWindowClass({args.className, args.classStyle, args.classBackground, args.iconResource});

    dpi_ = SystemDpi();
    designClient_ = {args.clientWidth, args.clientHeight};
    const Size size = WindowSizeAtDpi(designClient_, FromRECT(WindowFrame(args.style, args.exStyle, dpi_)), dpi_);
    centreOnFirstShow_ = args.centred;
    const Application* application = Application::Current();
    const RECT place{Scaled(args.left), Scaled(args.top), Scaled(args.left) + size.width,
                     Scaled(args.top) + size.height};
    if (!CreateBound(args.exStyle, args.className, args.caption, args.style, place,
                     application ? application->Handle() : nullptr))
        return false;
    // Its monitor may have a dpi of its own.
    if (const int shown = WindowDpi(hwnd()); shown != dpi_) {
        dpi_ = shown;
        SetClientSize(Scaled(args.clientWidth), Scaled(args.clientHeight));
    }
    return true;
}

int Form::Scaled(int designValue) const { return ScaleToDpi(designValue, dpi_); }

Rect Form::FrameAt(int dpi) const {
    return FromRECT(WindowFrame(static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)),
                                static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)), dpi));
}

void Form::OnDpiChanged(const RECT& suggested) {
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

Form* Form::FromHandle(HWND hwnd) {
    WindowBase* window = WindowBase::FromHandle(hwnd);
    return window ? window->AsForm() : nullptr;
}

namespace {

// An error ends the enumeration (FALSE); what was collected is used.
BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    return GuardedCall<BOOL>(nullptr, FALSE, [&] {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(monitor, &info)) {
            reinterpret_cast<std::vector<Rect>*>(areas)->push_back(FromRECT(info.rcWork));
        }
        return TRUE;
    });
}

}  // namespace

void Form::KeepReachable() {
    std::vector<Rect> workAreas;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&workAreas));
    RECT window;
    GetWindowRect(hwnd(), &window);
    const Rect now = FromRECT(window);
    const Rect placed = ReachablePlace(now, workAreas, Scaled(32));
    if (placed == now) return;
    SetWindowPos(hwnd(), nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
    if (IsWindowVisible(hwnd())) {
        SetForegroundWindow(hwnd());
        return;
    }
    if (centreOnFirstShow_) {
        centreOnFirstShow_ = false;
        // On the work area of the main form's monitor, where the user works.
        const Application* application = Application::Current();
        const Form* main = application ? application->MainForm() : nullptr;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(main ? main->hwnd() : hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
        RECT window;
        GetWindowRect(hwnd(), &window);
        const Point place = CentredIn(FromRECT(monitor.rcWork), FromRECT(window));
        SetWindowPos(hwnd(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    OnShow();
    KeepReachable();
    ShowWindow(hwnd(), SW_SHOW);
}

void Form::Hide() { ShowWindow(hwnd(), SW_HIDE); }

namespace {

BOOL CALLBACK CollectEnabledWindows(HWND hwnd, LPARAM lParam) {
    return GuardedCall<BOOL>(nullptr, FALSE, [&] {
        if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
            reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
        return TRUE;
    });
}

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
    SetForegroundWindow(hwnd());
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

bool Form::PreTranslateMessage(MSG& msg) { return IsDialogMessageW(hwnd(), &msg) != FALSE; }

void Form::SetClientSize(int width, int height) {
    // The frame the window has at its own dpi now.
    const Rect frame = FrameAt(WindowDpi(hwnd()));
    SetWindowPos(hwnd(), nullptr, 0, 0, width + frame.Width(), height + frame.Height(),
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
    if (message == kGetDpiScaledSize) {
        // WM_GETDPISCALEDSIZE: the size answered is the one WM_DPICHANGED then suggests.
        const int dpi = static_cast<int>(wParam);
        const Size size = WindowSizeAtDpi(DesignClientSize(), FrameAt(dpi), dpi);
        *reinterpret_cast<SIZE*>(lParam) = {size.width, size.height};
        return TRUE;
    }
    if (message == WM_ENTERSIZEMOVE || message == WM_EXITSIZEMOVE) moving_ = message == WM_ENTERSIZEMOVE;
    return SessionHandling(hwnd(), message, wParam, lParam);
}

namespace {

void OnEndSession(WPARAM ending) {
    if (ending) Application::EndSession();
}

}  // namespace

LRESULT Form::SessionHandling(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: OnEndSession(wParam); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace velk
