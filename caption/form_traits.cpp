#include "caption/form_traits.h"

#include "ui/form.h"

namespace velk {

using namespace caption;

namespace {

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)); }

BOOL CALLBACK VisitForm(HWND window, LPARAM visit) {
    if (Form::FromHandle(window)) (*reinterpret_cast<const std::function<void(HWND)>*>(visit))(window);
    return TRUE;
}

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM visit) {
    VisitForm(window, visit);
    EnumChildWindows(window, VisitForm, visit);
    return TRUE;
}

}  // namespace

TFormBorderStyle BorderStyleOf(HWND window) {
    const DWORD style = StyleOf(window);
    const DWORD exStyle = ExStyleOf(window);
    if ((style & WS_CAPTION) != WS_CAPTION) return bsNone;
    const bool sizeable = (style & WS_THICKFRAME) != 0;
    if (exStyle & WS_EX_TOOLWINDOW) return sizeable ? bsSizeToolWin : bsToolWindow;
    if (sizeable) return bsSizeable;
    return (exStyle & WS_EX_DLGMODALFRAME) ? bsDialog : bsSingle;
}

TBorderIcons BorderIconsOf(HWND window) {
    const DWORD style = StyleOf(window);
    TBorderIcons icons = 0;
    if (style & WS_SYSMENU) icons |= biSystemMenu;
    if (style & WS_MINIMIZEBOX) icons |= biMinimize;
    if (style & WS_MAXIMIZEBOX) icons |= biMaximize;
    if (ExStyleOf(window) & WS_EX_CONTEXTHELP) icons |= biHelp;
    return icons;
}

bool IsDocumentChild(HWND window) { return window && (ExStyleOf(window) & WS_EX_MDICHILD) != 0; }

HWND DocumentClientOf(HWND window) { return window ? FindWindowExW(window, nullptr, L"MDICLIENT", nullptr) : nullptr; }

HWND ActiveDocumentChildOf(HWND frame) {
    const HWND client = DocumentClientOf(frame);
    return client ? reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

void ForEachForm(const std::function<void(HWND)>& visit) {
    EnumThreadWindows(GetCurrentThreadId(), VisitTopLevel, reinterpret_cast<LPARAM>(&visit));
}

}  // namespace velk
