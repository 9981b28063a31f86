#pragma once
// The skeleton every window class of ours stands on: one window procedure,
// written once, binds the object to its window at WM_NCCREATE (the create
// parameter is the object), hands every message to the object's
// HandleMessage inside the guarded call, and unbinds it at WM_NCDESTROY.
// A class of ours is registered once, by RegisterWindowClass.
#include <windows.h>

#include <new>

namespace velk {

struct WindowClassArgs {
    const wchar_t* name = nullptr;
    UINT style = 0;
    int background = 0;    // a system colour index + 1; 0: the window paints all of its area
    int iconResource = 0;  // 0: no icon of its own
};

class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND hwnd() const { return hwnd_; }
    // The object of a window of ours, in either form of the skeleton: a
    // window of a class of ours (its class procedure is the skeleton's, also
    // while a component has replaced the window's own procedure) or a system
    // control subclassed by its object (ui/subclass.h); null for any other
    // window.
    static WindowBase* FromHandle(HWND hwnd);
    // The form this window object is, or null: found without RTTI, which
    // the program is built without to stay small.
    virtual class Form* AsForm() { return nullptr; }

    // The one procedure every class of ours is registered with.
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    WindowBase() = default;
    // A window still standing is unbound first: nothing of the derived
    // object may be reached any more, so its last messages go to the
    // default. A form's handling sees its window's destruction: the form is
    // made as Final<T> (ui/form.h), whose destructor destroys it first.
    // Not virtual: a window object is never deleted through a base (a
    // self-owned control deletes itself as its own final class), and each
    // class's vtable stays two entries shorter.
    ~WindowBase();

    // Registers the class with the skeleton's procedure (or one that leads
    // to it); a second registration finds it there.
    static void RegisterWindowClass(const WindowClassArgs& args, WNDPROC procedure = Procedure);
    // CreateWindowExW with this object bound to the new window; null when
    // Windows refuses.
    HWND CreateBound(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& place,
                     HWND parent, int id = 0);

    // Every message from WM_NCCREATE on, WM_NCDESTROY excepted.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // After WM_NCDESTROY: the window is gone and hwnd() is null again.
    virtual void OnUnbound() {}

private:
    // The skeleton's other form binds its controls itself.
    friend class SubclassedControl;

    HWND hwnd_ = nullptr;
};

// The procedure of a control class whose window owns its object, created by
// the class name alone like the system's controls: the object T (a
// WindowBase that deletes itself in OnUnbound) is made at WM_NCCREATE.
template <typename T>
LRESULT CALLBACK SelfOwnedWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto& create = *reinterpret_cast<CREATESTRUCTW*>(lParam);
        // A control that cannot be made fails the creation (FALSE).
        if (!create.lpCreateParams) create.lpCreateParams = static_cast<WindowBase*>(new (std::nothrow) T);
        if (!create.lpCreateParams) return FALSE;
    }
    return T::Procedure(hwnd, message, wParam, lParam);
}

}  // namespace velk
