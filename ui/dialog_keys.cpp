#include "ui/dialog_keys.h"

namespace velk {

bool DialogKeys::Handle(HWND form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case DM_GETDEFID: *result = MAKELRESULT(defaultId_, DC_HASDEFID); return true;
    case WM_NEXTDLGCTL: OnNextControl(form, wParam, lParam); *result = 0; return true;
    case WM_ACTIVATE: OnActivate(form, LOWORD(wParam) != WA_INACTIVE); *result = 0; return true;
    default: return false;
    }
}

void DialogKeys::OnActivate(HWND form, bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus && IsChild(form, focus)) lastFocus_ = focus;
        return;
    }
    // The default procedure would give the focus to the form itself, where
    // no key reaches a control.
    HWND target = lastFocus_ && IsChild(form, lastFocus_) ? lastFocus_ : GetNextDlgTabItem(form, nullptr, FALSE);
    SetFocus(target ? target : form);
}

void DialogKeys::OnNextControl(HWND form, WPARAM wParam, LPARAM lParam) {
    HWND focus = GetFocus();
    if (!IsChild(form, focus)) focus = nullptr;
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(form, focus, wParam != 0);
    if (target) SetFocus(target);
}

}  // namespace velk
