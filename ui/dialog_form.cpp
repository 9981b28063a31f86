#include "ui/dialog_form.h"

#include "win/fonts.h"

namespace velk {

bool DialogForm::CreateControls(std::span<const ControlDesign> design, std::span<const FontDesign> fonts) {
    fontDesign_ = fonts;
    MakeFonts();
    if (!Controls.Create(hwnd(), design, fonts_, Dpi())) return false;
    ApplyDpi();
    return true;
}

void DialogForm::MakeFonts() {
    fonts_.clear();
    for (const FontDesign& font : fontDesign_)
        fonts_.push_back(MakeFont(Scaled(font.height), font.weight, font.italic, font.charset, font.face));
}

void DialogForm::OnDpiChanged(const RECT& suggested) {
    MakeFonts();
    Controls.Rescale(fonts_, Dpi());
    ApplyDpi();
    Form::OnDpiChanged(suggested);
}

bool DialogForm::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 &&
        Controls.CyclePages(GetKeyState(VK_SHIFT) < 0))
        return true;
    return Form::PreTranslateMessage(msg);
}

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogKeys_.Handle(hwnd(), message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_COMMAND: OnCommandMessage(wParam, lParam); return 0;
    case WM_NOTIFY: return OnNotifyMessage(wParam, lParam);
    case WM_DRAWITEM: return OnDrawItem(wParam, lParam);
    default: return DefaultHandling(message, wParam, lParam);
    }
}

inline void DialogForm::OnCommandMessage(WPARAM wParam, LPARAM lParam) {
    // Escape reaches a dialog as IDCANCEL, and Enter without a default
    // button as IDOK; neither is a control of ours.
    if (LOWORD(wParam) == IDCANCEL && !lParam) {
        if (style_.escapeCloses) Close();
        return;
    }
    if (LOWORD(wParam) == IDOK && !lParam && style_.defaultButtonId != IDOK) return;
    OnCommand(LOWORD(wParam), HIWORD(wParam));
}

inline LRESULT DialogForm::OnNotifyMessage(WPARAM wParam, LPARAM lParam) {
    if (Controls.OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) return 0;
    return DefaultHandling(WM_NOTIFY, wParam, lParam);
}

inline LRESULT DialogForm::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    if (GlyphButton::DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
    return DefaultHandling(WM_DRAWITEM, wParam, lParam);
}

}  // namespace velk
