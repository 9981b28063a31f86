#include "win/dpi.h"

#include "core/dpi_scale.h"
#include "win/handles.h"

namespace velk {

namespace {

template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32"), name)));
}

}  // namespace

void DeclareDpiAwareness() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    static const auto setContext = User32Function<SetContext>("SetProcessDpiAwarenessContext");
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2; refused when the manifest
    // has already given the process its awareness, which is as good.
    if (setContext && setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
    SetProcessDPIAware();
}

int SystemDpi() {
    using GetForSystem = UINT(WINAPI*)();
    static const auto forSystem = User32Function<GetForSystem>("GetDpiForSystem");
    if (forSystem) return static_cast<int>(forSystem());
    const ClientDc screen(nullptr);
    return screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : kDesignDpi;
}

int WindowDpi(HWND window) {
    using GetForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = User32Function<GetForWindow>("GetDpiForWindow");
    const UINT dpi = forWindow && window ? forWindow(window) : 0;
    return dpi ? static_cast<int>(dpi) : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    using GetMetricForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = User32Function<GetMetricForDpi>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

RECT WindowFrame(DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto forDpi = User32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT frame{};
    // AdjustWindowRectEx: not for a per-monitor aware process, it knows the system's dpi only.
    if (!forDpi || !forDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return frame;
}

}  // namespace velk
