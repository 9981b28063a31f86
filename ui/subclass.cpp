#include "ui/subclass.h"

#include <utility>

#include "win/common_controls.h"
#include "win/guarded_call.h"

namespace velk {

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

SubclassedControl::~SubclassedControl() {
    if (!hwnd_) return;
    DetachSubclass(hwnd_, Procedure, kSubclassId);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

HWND SubclassedControl::CreateSubclassed(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                                         const RECT& place, HWND parent, int id) {
    const HWND control = CreateWindowExW(exStyle, className, text, style, place.left, place.top,
                                         place.right - place.left, place.bottom - place.top, parent,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                         nullptr);
    if (!control) return nullptr;
    if (!AttachSubclass(control, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        DestroyWindow(control);
        return nullptr;
    }
    hwnd_ = control;
    return control;
}

SubclassedControl* SubclassedControl::FromControl(HWND control) {
    DWORD_PTR object = 0;
    if (!control || !FindSubclass(control, Procedure, kSubclassId, &object)) return nullptr;
    return reinterpret_cast<SubclassedControl*>(object);
}

LRESULT SubclassedControl::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefaultSubclassProcedure(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR object) {
    auto& self = *reinterpret_cast<SubclassedControl*>(object);
    if (message == WM_NCDESTROY) {
        DetachSubclass(control, Procedure, kSubclassId);
        self.hwnd_ = nullptr;
        const LRESULT result = DefaultSubclassProcedure(control, message, wParam, lParam);
        GuardedCall(control, [&] {
            self.OnUnbound();
            return LRESULT{0};
        });
        return result;
    }
    return GuardedCall(control, [&] { return self.HandleMessage(message, wParam, lParam); });
}

}  // namespace velk
