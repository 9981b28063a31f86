#include "caption/caption_button.h"

#include "win/handles.h"

namespace velk {

using namespace caption;

void TVoraCaptionSystemButton::SetKind(TSystemButtonKind kind) {
    if (kind == FKind) return;
    FKind = kind;
    Paint();
}

void TVoraCaptionSystemButton::Place(const ButtonPlace& place) {
    FVisible = place.visible;
    if (!place.visible) return;
    if (place.disable) Disable();
    ButtonLeft = place.left;
    ButtonTop = place.top;
    ButtonWidth = place.width;
    ButtonHeight = place.height;
}

Rect TVoraCaptionSystemButton::HitRect() const {
    return ButtonHitRect(FKind, {true, false, ButtonLeft, ButtonTop, ButtonWidth, ButtonHeight});
}

UINT TVoraCaptionSystemButton::Glyph() const {
    switch (FKind) {
    case sbClose: return DFCS_CAPTIONCLOSE;
    case sbMinimize: return IsIconic(FForm) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
    case sbMaximize: return IsZoomed(FForm) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
    case sbHelp: return DFCS_CAPTIONHELP;
    }
    return DFCS_CAPTIONCLOSE;
}

void TVoraCaptionSystemButton::DrawButton(HDC dc) const {
    RECT bounds{ButtonLeft, ButtonTop, ButtonLeft + ButtonWidth, ButtonTop + ButtonHeight};
    UINT state = Glyph();
    if (FPress.Pressed()) state |= DFCS_PUSHED;
    if (!FEnabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &bounds, DFC_CAPTION, state);
}

void TVoraCaptionSystemButton::Paint() const {
    if (!FForm || !FVisible) return;
    const WindowDc dc(FForm);
    if (dc) DrawButton(dc.get());
}

bool TVoraCaptionSystemButton::PointerInside() const {
    POINT cursor;
    RECT window;
    if (!GetCursorPos(&cursor) || !GetWindowRect(FForm, &window)) return false;
    return HitRect().Contains({cursor.x - window.left, cursor.y - window.top});
}

void TVoraCaptionSystemButton::HandleMessage(UINT message, WPARAM, LPARAM) {
    if (!FForm || message < WM_MOUSEMOVE || message > WM_MBUTTONDBLCLK) return;
    Apply(FPress.Feed(static_cast<MouseEvent>(message - WM_MOUSEMOVE), FEnabled, PointerInside()));
}

void TVoraCaptionSystemButton::CancelPress() { Apply(FPress.Cancel()); }

void TVoraCaptionSystemButton::Apply(const ButtonStep& step) {
    if (step.capture) SetCapture(FForm);
    if (step.releaseCapture) ReleaseCapture();
    if (step.repaint) Paint();
    if (step.command) ButtonCommand();
}

void TVoraCaptionSystemButton::ButtonCommand() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const LPARAM where = MAKELPARAM(cursor.x, cursor.y);
    const HWND form = FForm;
    switch (FKind) {
    case sbClose: SendMessageW(form, WM_SYSCOMMAND, SC_CLOSE, where); break;
    case sbMinimize: SendMessageW(form, WM_SYSCOMMAND, IsIconic(form) ? SC_RESTORE : SC_MINIMIZE, where); break;
    case sbMaximize: Maximize(form, where); break;
    case sbHelp: SendMessageW(form, WM_SYSCOMMAND, SC_CONTEXTHELP, where); break;
    }
}

inline void TVoraCaptionSystemButton::Maximize(HWND form, LPARAM where) {
    const bool zoomed = IsZoomed(form);
    if (zoomed || !IsIconic(form)) {
        SendMessageW(form, WM_SYSCOMMAND, zoomed ? SC_RESTORE : SC_MAXIMIZE, where);
        return;
    }
    // Maximised straight from minimised, the window keeps the restore
    // rectangle and minimised place it had before.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(form, &placement);
    SendMessageW(form, WM_SYSCOMMAND, SC_MAXIMIZE, where);
    placement.showCmd = SW_SHOWNA;
    SetWindowPlacement(form, &placement);
}

}  // namespace velk
