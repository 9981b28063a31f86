// The caption bar and the mouse: the buttons take their presses, the icon
// and a right click open the system menu, the menus' commands become system
// commands, a minimised window is dragged and clicked by its caption, and a
// document child carries WS_SYSMENU only while maximised.
#include <windowsx.h>

#include <utility>

#include "caption/form_traits.h"
#include "caption/vora_caption.h"

namespace velk {

using namespace caption;

namespace {

// Shared by every caption: valid only while a minimised window's menu is
// open, and menus are modal, so one at a time.
HHOOK MenuHook = nullptr;
bool MenuDoubleClick = false;

LRESULT CALLBACK MenuMouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && wParam == WM_LBUTTONDBLCLK) MenuDoubleClick = true;
    return CallNextHookEx(MenuHook, code, wParam, lParam);
}

WPARAM SystemCommandOf(SysCommand command) {
    switch (command) {
    case SysCommand::Close: return SC_CLOSE;
    case SysCommand::Maximize: return SC_MAXIMIZE;
    case SysCommand::Restore: return SC_RESTORE;
    case SysCommand::None: break;
    }
    return 0;
}

bool IsWindowCommand(WPARAM command) {
    return command == SC_SIZE || command == SC_MOVE || command == SC_MINIMIZE || command == SC_MAXIMIZE ||
           command == SC_CLOSE || command == SC_RESTORE;
}

Point WindowRelative(HWND window, POINT screen) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return {screen.x - bounds.left, screen.y - bounds.top};
}

// The window's top-left in its parent's client coordinates: a document
// child's in its client, a top-level window's on the screen. (GetParent
// would give a pop-up's owner.)
POINT PlaceInParent(HWND window, int dx, int dy) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    POINT topLeft{bounds.left + dx, bounds.top + dy};
    MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), &topLeft, 1);
    return topLeft;
}

void Gray(HMENU menu, UINT command) { EnableMenuItem(menu, command, MF_BYCOMMAND | MF_GRAYED); }

}  // namespace

HMENU TVoraCaption::PrepareSystemMenu() const {
    const HWND window = FFormHandle;
    const HMENU menu = window ? GetSystemMenu(window, FALSE) : nullptr;
    if (!menu) return nullptr;
    for (UINT command : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MAXIMIZE, SC_MINIMIZE})
        EnableMenuItem(menu, command, MF_BYCOMMAND | MF_ENABLED);
    SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
    const bool zoomed = IsZoomed(window);
    const bool iconic = IsIconic(window);
    if (zoomed || iconic) {
        // A maximised document child closes by default, as its frame's
        // menu bar offers.
        if (!(zoomed && !iconic && IsDocumentChild(window))) SetMenuDefaultItem(menu, SC_RESTORE, FALSE);
        Gray(menu, SC_SIZE);
        Gray(menu, SC_MOVE);
        Gray(menu, zoomed ? SC_MAXIMIZE : SC_MINIMIZE);
    } else {
        SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
        Gray(menu, SC_RESTORE);
    }
    if (!Has(FLayout.visibleIcons, biMaximize) || !FButtons[sbMaximize]->Enabled()) Gray(menu, SC_MAXIMIZE);
    if (!Has(FLayout.visibleIcons, biMinimize) || !FButtons[sbMinimize]->Enabled()) Gray(menu, SC_MINIMIZE);
    return menu;
}

CaptionScene TVoraCaption::Scene() const {
    CaptionScene scene;
    scene.iconRect = FLayout.iconRect;
    scene.textRect = FLayout.textRect;
    scene.buttonsRect = FLayout.buttonsRect;
    for (size_t i = 0; i < kButtonOrder.size(); ++i) {
        const TVoraCaptionSystemButton& button = *FButtons[kButtonOrder[i]];
        scene.buttons[i] = {button.Kind(), button.Visible(), button.HitRect(), {button.ButtonLeft, button.ButtonTop}};
    }
    scene.iconic = IsIconic(FFormHandle);
    scene.zoomed = IsZoomed(FFormHandle);
    scene.documentChild = IsDocumentChild(FFormHandle);
    scene.canMaximize = Has(FLayout.visibleIcons, biMaximize) && FButtons[sbMaximize]->Enabled();
    return scene;
}

LRESULT TVoraCaption::OnNcMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto event = static_cast<MouseEvent>(message - WM_NCMOUSEMOVE);
    const Point p = WindowRelative(FFormHandle, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    const NcOutcome outcome =
        FMouse.NonClient(event, wParam == HTCAPTION, p, Scene(), GetTickCount(), GetDoubleClickTime());
    if (outcome.bringToTop) SetWindowPos(FFormHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    switch (outcome.step) {
    case NcStep::PassOn: return CallOldWndProc(message, wParam, lParam);
    case NcStep::PassOnAsNowhere: return CallOldWndProc(message, HTNOWHERE, lParam);
    case NcStep::Handled: return 0;
    case NcStep::ForwardToButton: ForwardToButton(message, outcome); return 0;
    case NcStep::OpenMenuUnderIcon: OpenMenuUnderIcon(); return 0;
    case NcStep::OpenMenuAtPointer: OpenMenuAtPointer(); return 0;
    case NcStep::SendSysCommand: SendSysCommand(outcome.command); return 0;
    case NcStep::StartIconicPress: SetCapture(FFormHandle); return 0;
    }
    return 0;
}

inline void TVoraCaption::SendSysCommand(caption::SysCommand command) {
    SendMessageW(FFormHandle, WM_SYSCOMMAND, SystemCommandOf(command), 0);
}

// The press of a caption button, as the client mouse message it stands for.
inline void TVoraCaption::ForwardToButton(UINT message, const caption::NcOutcome& outcome) {
    FButtons[outcome.button]->HandleMessage(message + (WM_MOUSEMOVE - WM_NCMOUSEMOVE), 0,
                                            MAKELPARAM(outcome.buttonPoint.x, outcome.buttonPoint.y));
}

void TVoraCaption::OpenMenuUnderIcon() {
    const HMENU menu = PrepareSystemMenu();
    RECT window{};
    GetWindowRect(FFormHandle, &window);
    const int x = window.left + FLayout.frameWidth;
    const int y = window.top + FLayout.frameHeight + FLayout.captionHeight;
    TPMPARAMS params{sizeof params, {x, window.top + FLayout.frameHeight, x + 1, y}};
    TrackPopupMenuEx(menu, TPM_VERTICAL, x, y, FFormHandle, &params);
    // The click on the icon that closed the menu does not open it again.
    MSG waiting;
    if (FFormHandle && PeekMessageW(&waiting, FFormHandle, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE) &&
        FLayout.iconRect.Contains(
            WindowRelative(FFormHandle, {GET_X_LPARAM(waiting.lParam), GET_Y_LPARAM(waiting.lParam)})))
        PeekMessageW(&waiting, FFormHandle, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE);
}

void TVoraCaption::OpenMenuAtPointer() const {
    const HMENU menu = PrepareSystemMenu();
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, FFormHandle, nullptr);
}

void TVoraCaption::OpenIconicMenu() {
    const HMENU menu = PrepareSystemMenu();
    RECT window{};
    GetWindowRect(FFormHandle, &window);
    // A double click while the menu is open restores the window.
    MenuHook = SetWindowsHookExW(WH_MOUSE, MenuMouseHook, nullptr, GetWindowThreadProcessId(FFormHandle, nullptr));
    MenuDoubleClick = false;
    TPMPARAMS params{sizeof params, window};
    TrackPopupMenuEx(menu, TPM_VERTICAL, window.left, window.top + 2 * FLayout.frameHeight + FLayout.captionHeight,
                     FFormHandle, &params);
    UnhookWindowsHookEx(std::exchange(MenuHook, nullptr));
    if (!FFormHandle) return;
    if (MenuDoubleClick) SendMessageW(FFormHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
    MSG waiting;
    PeekMessageW(&waiting, FFormHandle, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE);
}

LRESULT TVoraCaption::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    POINT origin{0, 0};
    ClientToScreen(FFormHandle, &origin);
    const IconicMove move = FMouse.MouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, {origin.x, origin.y});
    if (move.move) {
        const POINT place = PlaceInParent(FFormHandle, move.dx, move.dy);
        SetWindowPos(FFormHandle, nullptr, place.x, place.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    return CallOldWndProc(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT TVoraCaption::OnLeftButtonUp(WPARAM wParam, LPARAM lParam) {
    const IconicRelease release = FMouse.LeftButtonUp();
    if (release.storeMinimisedPosition) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(FFormHandle, &placement);
        placement.flags = WPF_SETMINPOSITION;
        placement.ptMinPosition = PlaceInParent(FFormHandle, 0, 0);
        SetWindowPlacement(FFormHandle, &placement);
    }
    if (release.releaseCapture) ReleaseCapture();
    if (release.openMenu) {
        OpenIconicMenu();
        return 0;
    }
    return CallOldWndProc(WM_LBUTTONUP, wParam, lParam);
}

LRESULT TVoraCaption::OnCommand(WPARAM wParam, LPARAM lParam) {
    // The system menu's items come back as commands of their system codes.
    if (!IsWindowCommand(wParam)) return CallOldWndProc(WM_COMMAND, wParam, lParam);
    POINT cursor{};
    GetCursorPos(&cursor);
    HWND target = FFormHandle;
    // A document frame's maximised or minimised child takes the commands,
    // except those chosen over the frame's own caption.
    const HWND child = ActiveDocumentChildOf(FFormHandle);
    if (child && (IsZoomed(child) || IsIconic(child)) &&
        !FLayout.captionRect.Contains(WindowRelative(FFormHandle, cursor)))
        target = child;
    SendMessageW(target, WM_SYSCOMMAND, wParam, MAKELPARAM(cursor.x, cursor.y));
    return 0;
}

LRESULT TVoraCaption::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsDocumentChild(FFormHandle)) return CallOldWndProc(WM_SYSCOMMAND, wParam, lParam);
    if (wParam == SC_MAXIMIZE || (wParam == SC_RESTORE && IsIconic(FFormHandle))) ShowSysMenuStyle(true);
    const bool minimisingMaximised = wParam == SC_MINIMIZE && IsZoomed(FFormHandle);
    const LRESULT result = CallOldWndProc(WM_SYSCOMMAND, wParam, lParam);
    if (!FFormHandle) return result;  // closed
    if (minimisingMaximised || (wParam == SC_RESTORE && !IsZoomed(FFormHandle))) ShowSysMenuStyle(false);
    return result;
}

}  // namespace velk
