#pragma once
// The skeleton's second form, for a system control (a button, an EDIT) that
// needs behaviour of its own: the control is created by its system class
// with the object bound to it (the library's subclassing, the object as the
// subclass's data), found by WindowBase::FromHandle like every window of
// ours, and unbound after WM_NCDESTROY, when OnUnbound runs. HandleMessage
// runs inside the guarded call and passes on what it does not take with
// Default, the control's own handling.
#include <windows.h>

#include "ui/window.h"

namespace velk {

class SubclassedControl : public WindowBase {
public:
    // The object of a control subclassed so, or null.
    static SubclassedControl* FromControl(HWND control);
    // The glyph button this object is, or null (as Form's AsForm).
    virtual class GlyphButton* AsGlyphButton() { return nullptr; }

protected:
    SubclassedControl() = default;
    // A control still standing is unbound first, then destroyed.
    ~SubclassedControl();

    // CreateWindowExW of a system class with this object bound to the new
    // control; null when Windows refuses.
    HWND CreateSubclassed(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                          const RECT& place, HWND parent, int id = 0);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR object);
};

}  // namespace velk
