#pragma once
// A system control (a button, an EDIT) whose messages an object of ours sees
// first: Handle is the object's member, which passes what it does not take
// on with DefaultSubclassProcedure. It runs inside the guarded call; after it has
// handled WM_NCDESTROY the binding is removed.
#include <windows.h>
#include "win/common_controls.h"
#include "win/guarded_call.h"

namespace velk {

template <typename T, LRESULT (T::*Handle)(UINT message, WPARAM wParam, LPARAM lParam)>
class Subclass {
public:
    static bool Attach(HWND control, T& object) {
        return AttachSubclass(control, Procedure, kId, reinterpret_cast<DWORD_PTR>(&object)) != FALSE;
    }

private:
    static constexpr UINT_PTR kId = 1;

    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR object) {
        T& self = *reinterpret_cast<T*>(object);
        const LRESULT result = GuardedCall(control, [&] { return (self.*Handle)(message, wParam, lParam); });
        if (message == WM_NCDESTROY) DetachSubclass(control, Procedure, kId);
        return result;
    }
};

}  // namespace velk
