#include "ui/window.h"

#include <utility>

#include "ui/subclass.h"
#include "win/dpi.h"
#include "win/guarded_call.h"

namespace velk {

WindowBase::~WindowBase() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

void WindowBase::RegisterWindowClass(const WindowClassArgs& args, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = args.style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(args.background));
    windowClass.lpszClassName = args.name;
    if (args.iconResource) {
        // Shared icons belong to the system, like LoadIconW's: nothing to free.
        // A class has no window yet: the small one at the system's dpi.
        const int dpi = SystemDpi();
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(args.iconResource));
        windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(args.iconResource), IMAGE_ICON,
                                                            SystemMetricForDpi(SM_CXSMICON, dpi),
                                                            SystemMetricForDpi(SM_CYSMICON, dpi), LR_SHARED));
    }
    RegisterClassExW(&windowClass);
}

HWND WindowBase::CreateBound(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                             const RECT& place, HWND parent, int id) {
    CreateWindowExW(exStyle, className, text, style, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    GetModuleHandleW(nullptr), this);
    return hwnd_;
}

WindowBase* WindowBase::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    if (GetClassLongPtrW(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Procedure))
        return SubclassedControl::FromControl(hwnd);
    return reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        GuardedCall(hwnd, [&] {
            self->OnUnbound();
            return LRESULT{0};
        });
        return result;
    }
    return GuardedCall(hwnd, [&] { return self->HandleMessage(message, wParam, lParam); });
}

}  // namespace velk
