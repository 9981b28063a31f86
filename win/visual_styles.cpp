#include "win/visual_styles.h"

#include "win/system_library.h"

namespace velk {

namespace {

const SystemLibrary& Library() {
    static const SystemLibrary library(L"uxtheme.dll");
    return library;
}

}  // namespace

void CloseTheme(HTHEME theme) {
    static const auto close = Library().Find<decltype(CloseThemeData)>("CloseThemeData");
    if (close) close(theme);
}

Theme OpenTheme(HWND window, const wchar_t* classList) {
    static const auto open = Library().Find<decltype(OpenThemeData)>("OpenThemeData");
    return Theme(open ? open(window, classList) : nullptr);
}

void DrawThemePart(const Theme& theme, HDC dc, int part, const RECT& rect) {
    static const auto draw = Library().Find<decltype(DrawThemeBackground)>("DrawThemeBackground");
    if (draw && theme) draw(theme.get(), dc, part, 0, &rect, nullptr);
}

void AskForTabTexture(HWND window) {
    static const auto enable = Library().Find<decltype(EnableThemeDialogTexture)>("EnableThemeDialogTexture");
    if (enable) enable(window, ETDT_ENABLETAB);
}

bool AsksForTabTexture(HWND window) {
    static const auto enabled = Library().Find<decltype(IsThemeDialogTextureEnabled)>("IsThemeDialogTextureEnabled");
    return enabled && enabled(window);
}

}  // namespace velk
