#include "win/common_controls.h"

#include "win/system_library.h"

namespace velk {

namespace {

const SystemLibrary& Library() {
    static const SystemLibrary library(L"comctl32.dll");
    return library;
}

}  // namespace

bool UseCommonControls() {
    static const bool ready = [] {
        const auto initialise = Library().Find<decltype(InitCommonControlsEx)>("InitCommonControlsEx");
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        return initialise && initialise(&classes);
    }();
    return ready;
}

BOOL AttachSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    static const auto attach = Library().Find<decltype(SetWindowSubclass)>("SetWindowSubclass");
    return attach ? attach(window, procedure, id, data) : FALSE;
}

BOOL DetachSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    static const auto detach = Library().Find<decltype(RemoveWindowSubclass)>("RemoveWindowSubclass");
    return detach ? detach(window, procedure, id) : FALSE;
}

LRESULT DefaultSubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static const auto next = Library().Find<decltype(DefSubclassProc)>("DefSubclassProc");
    return next ? next(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

BOOL FindSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR* data) {
    if (!GetModuleHandleW(L"comctl32.dll")) return FALSE;
    static const auto find = Library().Find<decltype(GetWindowSubclass)>("GetWindowSubclass");
    return find ? find(window, procedure, id, data) : FALSE;
}

}  // namespace velk
