#include "caption/vora_caption.h"

#include "caption/form_traits.h"
#include "caption/system_metrics.h"
#include "win/exception.h"
#include "ui/form.h"
#include "win/dwm_frame.h"
#include "win/guarded_call.h"

namespace velk {

using namespace caption;

namespace {

// Where the window procedure finds its caption.
constexpr wchar_t kCaptionProperty[] = L"VELK.TVoraCaption";

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

// uxtheme's undocumented "draw the caption" and "draw the frame" (Windows 10/11).
enum ThemeMessage : UINT { WM_NCUAHDRAWCAPTION = 0x00AE, WM_NCUAHDRAWFRAME = 0x00AF };

}  // namespace

TVoraCaption::TVoraCaption() {
    for (TSystemButtonKind kind : {sbClose, sbMinimize, sbMaximize, sbHelp})
        FButtons[kind] = std::make_unique<TVoraCaptionSystemButton>(kind);
}

TVoraCaption::TVoraCaption(Form& form) : TVoraCaption() { Attach(form); }

TVoraCaption::~TVoraCaption() { Detach(); }

void TVoraCaption::Attach(Form& form) { Attach(form.hwnd()); }

void TVoraCaption::Attach(HWND owner) {
    if (!Form::FromHandle(owner)) throw Exception(L"The VoraCaption's owner must be a Form!");
    if (owner == FFormHandle) return;
    // Two captions in front of one window would each find the other's
    // property and call themselves for ever.
    if (GetPropW(owner, kCaptionProperty)) throw Exception(L"The form has a VoraCaption already!");
    Detach();
    FFormHandle = owner;
    FBorderIcons = BorderIconsOf(owner);
    for (const auto& button : FButtons) button->SetForm(owner);

    FOldWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner, GWLP_WNDPROC));
    SetPropW(owner, kCaptionProperty, this);
    SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CaptionWindowProc));

    if (!FCaptionFontGiven) {
        FCaptionFont = FontOfWindow(owner);
        FCaptionFont.Style = 0;
    }
    if (!FApplicationNameFontGiven) {
        FApplicationNameFont = FontOfWindow(owner);
        FApplicationNameFont.Style = fsBold;
    }

    // Wine makes a window's system menu on demand only while the window has
    // WS_SYSMENU (GetSystemMenu gives null without it): have it made before
    // the style goes.
    GetSystemMenu(owner, FALSE);
    FSavedStyle = StyleOf(owner);
    SetStyle(FSavedStyle & ~WS_SYSMENU);
    UpdateFrameDrawing();

    UpdateLayout();
    PaintCaption(IsFormActive());
    FMouse = {};
    NotifyDocumentsLoaded();
}

void TVoraCaption::Detach() {
    if (!FFormHandle) return;
    const HWND window = FFormHandle;
    if (TVoraCaptionSystemButton* button = TrackingButton()) {
        button->CancelPress();
        if (GetCapture() == window) ReleaseCapture();
    }
    Unhook();
    // Only what the caption took goes back: the form's own changes stay.
    const DWORD style = (StyleOf(window) & ~WS_SYSMENU) | (FSavedStyle & WS_SYSMENU);
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetFrameDrawing(window, FrameDrawing::ByWindowStyle);
    // The system draws its own caption again, with the frame it now has;
    // the window keeps its visibility.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TVoraCaption::Unhook() {
    SetWindowLongPtrW(FFormHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldWndProc));
    RemovePropW(FFormHandle, kCaptionProperty);
    for (const auto& button : FButtons) button->SetForm(nullptr);
    FFormHandle = nullptr;
    FSysMenuShown = false;
    FIconCopy = {};
    FApplicationNameFontObject = {};
    FCaptionFontObject = {};
}

LRESULT CALLBACK TVoraCaption::CaptionWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TVoraCaption*>(GetPropW(hwnd, kCaptionProperty));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return GuardedCall(hwnd, [&] { return self->WindowProc(message, wParam, lParam); });
}

LRESULT TVoraCaption::CallOldWndProc(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(FOldWndProc, FFormHandle, message, wParam, lParam);
}

LRESULT TVoraCaption::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A button in the middle of a press holds the mouse: the client mouse
    // messages are its own.
    if (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) {
        if (TVoraCaptionSystemButton* button = TrackingButton()) {
            button->HandleMessage(message, wParam, lParam);
            return 0;
        }
    }
    // A range of messages has no case of its own.
    if (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) return OnNcMouse(message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
    case WM_ACTIVATE: PaintCaption(LOWORD(wParam) != WA_INACTIVE); break;
    case WM_NCPAINT: return OnNcPaint(wParam, lParam);
    case WM_NCACTIVATE: return OnNcActivate(wParam);
    case WM_NCUAHDRAWCAPTION:
    case WM_NCUAHDRAWFRAME: PaintCaption(IsFormActive()); return 0;
    case WM_SETTEXT:
    case WM_SETICON: return CallOldThenPaint(message, wParam, lParam);
    case WM_EXITMENULOOP: PaintCaption(IsFormActive()); break;
    case WM_STYLECHANGING: OnStyleChanging(wParam, *reinterpret_cast<STYLESTRUCT*>(lParam)); break;
    case WM_STYLECHANGED: return OnStyleChanged(wParam, lParam);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
    case WM_LBUTTONUP: return OnLeftButtonUp(wParam, lParam);
    case WM_RBUTTONUP: FMouse.RightButtonUp(); break;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); break;
    default: break;
    }
    return CallOldWndProc(message, wParam, lParam);
}

LRESULT TVoraCaption::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    // The window goes: the caption lets go of it first, so that nothing of
    // it is reached afterwards (its handle may be reused).
    const WNDPROC oldWndProc = FOldWndProc;
    const HWND window = FFormHandle;
    Unhook();
    return CallWindowProcW(oldWndProc, window, WM_NCDESTROY, wParam, lParam);
}

LRESULT TVoraCaption::OnNcActivate(WPARAM wParam) {
    // WM_NCACTIVATE: with lParam -1 DefWindowProc does not repaint the
    // non-client area; under a visual style (every Windows 10 and 11) the
    // page calls lParam unused, so the redraw lock keeps the system's caption
    // off as well. The default keeps its own state of activation.
    CallOldWithoutRedraw(WM_NCACTIVATE, wParam, -1);
    PaintCaption(wParam != 0);
    return 1;
}

LRESULT TVoraCaption::CallOldThenPaint(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOldWithoutRedraw(message, wParam, lParam);
    PaintCaption(IsFormActive());
    return result;
}

LRESULT TVoraCaption::CallOldWithoutRedraw(UINT message, WPARAM wParam, LPARAM lParam) {
    // The default draws the system's caption only on a visible window:
    // WS_VISIBLE is off around the call. Chromium's custom frame
    // (hwnd_message_handler.cc) locks its redraw the same way. A window
    // without a caption has none drawn, and stays visible throughout. Before
    // the first WM_NCPAINT (the activation inside ShowWindow) nothing of the
    // frame is on screen yet and the bar covers whatever the default drew;
    // there the lock would only cost time: making a window visible again
    // through its style makes Wine rebuild its surface.
    const DWORD style = StyleOf(FFormHandle);
    const bool lock = FFramePainted && (style & WS_VISIBLE) && (style & WS_CAPTION) == WS_CAPTION;
    if (lock) SetStyle(style & ~WS_VISIBLE);
    const LRESULT result = CallOldWndProc(message, wParam, lParam);
    if (FFormHandle && lock) SetStyle(StyleOf(FFormHandle) | WS_VISIBLE);
    return result;
}

void TVoraCaption::OnStyleChanging(WPARAM which, STYLESTRUCT& change) {
    if (which != static_cast<WPARAM>(GWL_STYLE) || FOwnStyleChange) return;
    // The form's wish is kept for detaching; while attached the window goes
    // without WS_SYSMENU, or the system would draw its own icon and close
    // box and answer the hit test for them (the panel sets its style anew
    // at every change of placement).
    FSavedStyle = change.styleNew;
    if (!FSysMenuShown) change.styleNew &= ~WS_SYSMENU;
}

LRESULT TVoraCaption::OnStyleChanged(WPARAM wParam, LPARAM lParam) {
    const bool ownChange = FOwnStyleChange;
    const LRESULT result = CallOldWndProc(WM_STYLECHANGED, wParam, lParam);
    // A new frame style of the form's takes effect and shows the bar at once.
    if (!ownChange) {
        UpdateFrameDrawing();
        FrameChanged();
    }
    return result;
}

void TVoraCaption::UpdateFrameDrawing() const {
    // Only a window with a caption paints its own frame: a borderless one
    // keeps the desktop window manager's (its shadow among it).
    SetFrameDrawing(FFormHandle, BorderStyleOf(FFormHandle) == bsNone ? FrameDrawing::ByWindowStyle
                                                                       : FrameDrawing::ByWindow);
}

void TVoraCaption::OnCaptureChanged(HWND gainer) {
    TVoraCaptionSystemButton* button = TrackingButton();
    if (button && gainer != FFormHandle) button->CancelPress();
}

TVoraCaptionSystemButton* TVoraCaption::TrackingButton() const {
    for (const auto& button : FButtons)
        if (button->Tracking()) return button.get();
    return nullptr;
}

void TVoraCaption::SetStyle(DWORD style) {
    FOwnStyleChange = true;
    SetWindowLongPtrW(FFormHandle, GWL_STYLE, static_cast<LONG_PTR>(style));
    FOwnStyleChange = false;
}

void TVoraCaption::ShowSysMenuStyle(bool shown) {
    // A style change must not lose the window's state or places.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(FFormHandle, &placement);
    FSysMenuShown = shown;
    const DWORD style = StyleOf(FFormHandle) & ~WS_SYSMENU;
    SetStyle(shown ? style | (FSavedStyle & WS_SYSMENU) : style);
    SetWindowPlacement(FFormHandle, &placement);
}

void TVoraCaption::FrameChanged() const {
    if (!FFormHandle) return;
    SetWindowPos(FFormHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TVoraCaption::SetApplicationName(const std::wstring& value) {
    if (FApplicationName == value) return;
    FApplicationName = value;
    FrameChanged();
}

void TVoraCaption::SetApplicationNameFont(const TCaptionFont& value) {
    FApplicationNameFont = value;
    FApplicationNameFontGiven = true;
    FrameChanged();
}

void TVoraCaption::SetCaptionFont(const TCaptionFont& value) {
    FCaptionFont = value;
    FCaptionFontGiven = true;
    FrameChanged();
}

void TVoraCaption::SetNumColors(int32_t value) {
    if (FNumColors == value) return;
    FNumColors = value;
    FrameChanged();
}

void TVoraCaption::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    FrameChanged();
}

void TVoraCaption::UpdateLayout() {
    if (!FFormHandle) return;
    RECT window{};
    GetWindowRect(FFormHandle, &window);
    const LayoutInput input{window.right - window.left, BorderStyleOf(FFormHandle), IsIconic(FFormHandle) != FALSE,
                            FBorderIcons, SystemCaptionMetrics(WindowDpi(FFormHandle))};
    FLayout = LayOutCaption(input);
    for (TSystemButtonKind kind : kButtonOrder) FButtons[kind]->Place(FLayout.buttons[kind]);
}

bool TVoraCaption::IsFormActive() const {
    if (!FFormHandle) return false;
    const HWND active = GetActiveWindow();
    if (active == FFormHandle) return true;
    if (!IsDocumentChild(FFormHandle)) return false;
    // A document child is active with its frame, as the frame's active child.
    const HWND frame = GetAncestor(FFormHandle, GA_ROOT);
    return active == frame && ActiveDocumentChildOf(frame) == FFormHandle;
}

void TVoraCaption::NotifyDocumentsLoaded() const {
    if (!IsDocumentChild(FFormHandle)) return;
    // A maximised document child shares its frame's caption: both repaint.
    int count = 0;
    HWND frame = nullptr;
    ForEachForm([&](HWND form) {
        if (DocumentClientOf(form)) {
            ++count;
            frame = form;
        } else if (IsDocumentChild(form) && IsZoomed(form)) {
            ++count;
        }
    });
    if (count >= 2 && frame) PostMessageW(frame, WM_NCPAINT, 0, 0);
    PostMessageW(FFormHandle, WM_NCPAINT, 0, 0);
}

}  // namespace velk
