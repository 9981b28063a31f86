// The floor of what velk.exe does: a tool window with a caption and a
// client area of the panel's size that paints a seconds clock once a second,
// and nothing else. The start bench measures velk.exe against it, and
// against it with the common controls loaded, as velk.exe's settings dialog
// needs them from the start.
//   bare_panel.exe [LEFT TOP [comctl32]]
#include <windows.h>
#include <commctrl.h>

#include <cwchar>

namespace {

constexpr int kClientWidth = 130;
constexpr int kClientHeight = 362;
constexpr UINT_PTR kClockTimer = 1;
constexpr RECT kClockLine{0, 0, kClientWidth, 18};

void PaintClock(HWND hwnd) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const wchar_t text[] = {static_cast<wchar_t>(L'0' + now.wHour / 10),   static_cast<wchar_t>(L'0' + now.wHour % 10),
                            L':',
                            static_cast<wchar_t>(L'0' + now.wMinute / 10), static_cast<wchar_t>(L'0' + now.wMinute % 10),
                            L':',
                            static_cast<wchar_t>(L'0' + now.wSecond / 10), static_cast<wchar_t>(L'0' + now.wSecond % 10)};
    RECT line = kClockLine;
    DrawTextW(dc, text, ARRAYSIZE(text), &line, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    EndPaint(hwnd, &paint);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            InvalidateRect(hwnd, &kClockLine, TRUE);  // the clock line alone, as the panel does
            return 0;
        case WM_PAINT:
            PaintClock(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    wchar_t* rest = commandLine;
    const int left = *rest ? static_cast<int>(wcstol(rest, &rest, 10)) : 100;
    const int top = *rest ? static_cast<int>(wcstol(rest, &rest, 10)) : 100;
    if (wcsstr(rest, L"comctl32")) {
        HMODULE commonControls = LoadLibraryW(L"comctl32.dll");
        using InitProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto init = commonControls ? reinterpret_cast<InitProc>(reinterpret_cast<void (*)()>(
                                               GetProcAddress(commonControls, "InitCommonControlsEx")))
                                         : nullptr;
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        if (!init || !init(&classes)) return 1;
    }

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PanelProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BarePanel";
    if (!RegisterClassW(&windowClass)) return 1;

    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
    HWND panel = CreateWindowExW(WS_EX_TOOLWINDOW, L"BarePanel", L"VELK", style, left, top, frame.right - frame.left,
                                 frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!panel) return 1;
    SetTimer(panel, kClockTimer, 1000, nullptr);
    ShowWindow(panel, SW_SHOW);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return static_cast<int>(msg.wParam);
}
