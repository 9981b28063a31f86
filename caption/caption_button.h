#pragma once
// One of the caption's own buttons (close, minimise, maximise, help). The
// form's window has no WS_SYSMENU while the caption is attached, so the
// system draws no buttons: each draws itself with the system's frame-control
// drawing, follows a left press in and out of its hit rectangle and, on a
// completed click, sends its form the system command of its kind. It is no
// window: its rectangle is in the form window's coordinates (frame
// included) and the caption hands it the mouse messages.
#include <windows.h>

#include <cstdint>

#include "caption/button_press.h"
#include "caption/caption_kinds.h"
#include "caption/caption_layout.h"

namespace velk {

class TVoraCaptionSystemButton {
public:
    explicit TVoraCaptionSystemButton(caption::TSystemButtonKind kind) : FKind(kind) {}
    virtual ~TVoraCaptionSystemButton() = default;
    TVoraCaptionSystemButton(const TVoraCaptionSystemButton&) = delete;
    TVoraCaptionSystemButton& operator=(const TVoraCaptionSystemButton&) = delete;

    // The form window the button sits on; null while the caption is detached.
    void SetForm(HWND form) { FForm = form; }

    caption::TSystemButtonKind Kind() const { return FKind; }
    void SetKind(caption::TSystemButtonKind kind);
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible) { FVisible = visible; }
    bool Enabled() const { return FEnabled; }
    // A button once disabled stays so: the form lacked its icon at attachment.
    void Disable() { FEnabled = false; }
    bool Pressed() const { return FPress.Pressed(); }
    bool Tracking() const { return FPress.Tracking(); }

    void Place(const caption::ButtonPlace& place);
    Rect HitRect() const;

    // Draws the button at its rectangle into a context of the form window's
    // coordinates: pushed while pressed, inactive while disabled.
    void DrawButton(HDC dc) const;
    // Draws the button alone, straight onto the form window.
    void Paint() const;

    // A client mouse message (WM_MOUSEMOVE to WM_MBUTTONDBLCLK), forwarded
    // by the caption or received while the button holds the mouse. The
    // pointer's position is read from the cursor, not from the message.
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The mouse went to another window in the middle of a press.
    void CancelPress();

    // The completed click: the system command of the button's kind.
    virtual void ButtonCommand();

    int32_t ButtonLeft = 0;
    int32_t ButtonTop = 0;
    int32_t ButtonWidth = 0;
    int32_t ButtonHeight = 0;

private:
    UINT Glyph() const;
    bool PointerInside() const;
    void Apply(const caption::ButtonStep& step);
    // The maximise button's command: restore, maximise, or maximise a
    // minimised window.
    static void Maximize(HWND form, LPARAM where);

    HWND FForm = nullptr;
    caption::ButtonPress FPress;
    caption::TSystemButtonKind FKind;
    bool FVisible = false;
    bool FEnabled = true;
};

}  // namespace velk
