#pragma once
// The gradient caption bar of a form: it paints the bar (a horizontal colour
// gradient, the form's icon, an optional application name followed by the
// form's caption text, its own close, minimise, maximise and help buttons),
// answers the mouse on it and offers the system menu. It stands in front of
// the form window's procedure, sees every message first and decides whether
// the form's own procedure runs; while attached it keeps WS_SYSMENU off the
// window, so that the system draws no icon or buttons of its own and the
// whole bar is caption to the system's hit test. Nor does the desktop window
// manager draw its frame over the bar while the form has a caption: each
// window the caption attaches to, a form's window made again among them,
// paints its own frame then. What Windows sends to draw its own caption
// (uxtheme's messages, activation, a new text or icon) never draws over the
// bar.
//
// Attach it once the form's window exists, before the form's own set-up
// changes the window's style: the border icons are those of the style met
// at attachment. The properties may be set before or after attaching.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "caption/caption_button.h"
#include "caption/caption_font.h"
#include "caption/caption_layout.h"
#include "caption/caption_mouse.h"
#include "caption/tcolor.h"

namespace velk {

class Form;

class TVoraCaption {
public:
    TVoraCaption();
    // Attaches at once.
    explicit TVoraCaption(Form& form);
    ~TVoraCaption();
    TVoraCaption(const TVoraCaption&) = delete;
    TVoraCaption& operator=(const TVoraCaption&) = delete;

    // Attaches to the form's window; a window that is no form's (or a form
    // without its window) fails with "The VoraCaption's owner must be a
    // Form!", a form that has a caption already with "The form has a
    // VoraCaption already!", and nothing attached. Attaching to another
    // form detaches from the first.
    void Attach(Form& form);
    void Attach(HWND owner);
    // Puts back the window's procedure and its WS_SYSMENU, and lets the
    // system (the desktop window manager too) redraw its own frame. Also
    // done when the window is destroyed.
    void Detach();
    HWND FormHandle() const { return FFormHandle; }

    const std::wstring& ApplicationName() const { return FApplicationName; }
    void SetApplicationName(const std::wstring& value);
    // Until set, the fonts are the form's font met at attachment, the
    // application name's in bold.
    const TCaptionFont& ApplicationNameFont() const { return FApplicationNameFont; }
    void SetApplicationNameFont(const TCaptionFont& value);
    const TCaptionFont& CaptionFont() const { return FCaptionFont; }
    void SetCaptionFont(const TCaptionFont& value);
    int32_t NumColors() const { return FNumColors; }
    void SetNumColors(int32_t value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

    // The bar's geometry from the window as it is now; PaintCaption runs it
    // first, and the mouse handling uses the last one between paints.
    void UpdateLayout();
    const caption::CaptionLayout& Layout() const { return FLayout; }
    // Composes the bar off screen and copies it onto the window at once.
    void PaintCaption(bool active);
    bool IsFormActive() const;
    // The window's system menu, its items enabled, grayed and defaulted for
    // the window's state and the buttons the bar shows.
    HMENU PrepareSystemMenu() const;

    const TVoraCaptionSystemButton& Button(caption::TSystemButtonKind kind) const { return *FButtons[kind]; }

private:
    static LRESULT CALLBACK CaptionWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOldWndProc(UINT message, WPARAM wParam, LPARAM lParam) const;
    void Unhook();

    void FrameChanged() const;
    void SetStyle(DWORD style);
    void ShowSysMenuStyle(bool shown);
    void NotifyDocumentsLoaded() const;

    // Message handlers.
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcActivate(WPARAM wParam);
    // The default procedure with the window's drawing locked, then the bar.
    LRESULT CallOldThenPaint(UINT message, WPARAM wParam, LPARAM lParam);
    // The default procedure with the window's redraw locked.
    LRESULT CallOldWithoutRedraw(UINT message, WPARAM wParam, LPARAM lParam);
    void UpdateFrameDrawing() const;
    void OnStyleChanging(WPARAM which, STYLESTRUCT& change);
    LRESULT OnStyleChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void OnCaptureChanged(HWND gainer);
    TVoraCaptionSystemButton* TrackingButton() const;

    // Painting steps.
    void PaintGradient(HDC dc, bool active) const;
    void PaintIcon(HDC dc);
    void PaintTexts(HDC dc, bool active);
    HICON FormIcon() const;
    // The form's icon at the bar's icon size, copied again only when the
    // icon or the size changes: a copy from the resource at every paint
    // costs most of a paint (and Wine leaks a little with each).
    HICON IconCopy(const Rect& target);

    // The menus.
    caption::CaptionScene Scene() const;
    void SendSysCommand(caption::SysCommand command);
    void ForwardToButton(UINT message, const caption::NcOutcome& outcome);
    void OpenMenuUnderIcon();
    void OpenMenuAtPointer() const;
    void OpenIconicMenu();

    DWORD FSavedStyle = 0;  // the style as the form wants it, WS_SYSMENU included
    caption::TBorderIcons FBorderIcons = 0;
    HWND FFormHandle = nullptr;
    WNDPROC FOldWndProc = nullptr;
    // Set while the caption changes the style itself, which it then takes as
    // it is.
    bool FOwnStyleChange = false;
    // A maximised document child carries WS_SYSMENU, so that its frame shows
    // its menu and buttons.
    bool FSysMenuShown = false;
    // The frame has been painted once: from then on the system's caption
    // could show, and the default procedure's drawing is locked out.
    bool FFramePainted = false;

    // The bar's colours: a navy-to-blue gradient with white text while the
    // form is active, gray to silver with silver text while it is not.
    static constexpr TColor FActiveBeginColor = clNavy;
    static constexpr TColor FActiveEndColor = clBlue;
    static constexpr TColor FInactiveBeginColor = clGray;
    static constexpr TColor FInactiveEndColor = clSilver;
    static constexpr TColor FActiveFontColor = clWhite;
    static constexpr TColor FInactiveFontColor = clSilver;
    std::wstring FApplicationName;
    TCaptionFont FApplicationNameFont;
    TCaptionFont FCaptionFont;
    bool FAutoSize = false;
    int32_t FNumColors = 64;
    bool FApplicationNameFontGiven = false;
    bool FCaptionFontGiven = false;

    std::array<std::unique_ptr<TVoraCaptionSystemButton>, caption::kButtonKinds> FButtons;
    caption::CaptionLayout FLayout;
    caption::CaptionMouse FMouse;

    struct IconCopyFor {
        Icon Copy;
        HICON Source = nullptr;
        int32_t Width = 0;
        int32_t Height = 0;
    };
    IconCopyFor FIconCopy;
    CaptionFontCache FApplicationNameFontObject;
    CaptionFontCache FCaptionFontObject;
};

}  // namespace velk
