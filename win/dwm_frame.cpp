#include "win/dwm_frame.h"

#include <dwmapi.h>

#include "win/system_library.h"

namespace velk {

void SetFrameDrawing(HWND window, FrameDrawing drawing) {
    static const SystemLibrary dwm(L"dwmapi.dll");
    static const auto setAttribute = dwm.Find<decltype(DwmSetWindowAttribute)>("DwmSetWindowAttribute");
    if (!setAttribute) return;
    const DWMNCRENDERINGPOLICY policy = drawing == FrameDrawing::ByWindow ? DWMNCRP_DISABLED : DWMNCRP_USEWINDOWSTYLE;
    // A failure (composition off, an old system) leaves the frame as it was,
    // which is then the classic one the caption paints over anyway.
    setAttribute(window, DWMWA_NCRENDERING_POLICY, &policy, sizeof policy);
}

}  // namespace velk
