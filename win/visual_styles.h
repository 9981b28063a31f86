#pragma once
// Visual styles, through uxtheme loaded on demand like the other system
// libraries: where it is missing or no theme is active there is no theme
// data, and windows draw as they do without a theme.
#include <windows.h>
#include <uxtheme.h>

#include "win/handles.h"

namespace velk {

void CloseTheme(HTHEME theme);
using Theme = UniqueHandle<HTHEME, NullableHandleTraits<HTHEME, ObjectKind::Theme, &CloseTheme>>;

// The window's theme data for a class of parts ("TAB"); empty when no
// theme is active.
Theme OpenTheme(HWND window, const wchar_t* classList);
// Draws a part of the theme's class, in its normal state, over the rectangle.
void DrawThemePart(const Theme& theme, HDC dc, int part, const RECT& rect);

// A window asks for the tab pages' texture as its background; a dialog's
// own handling then draws it, any other window draws it itself where it
// asked.
void AskForTabTexture(HWND window);
bool AsksForTabTexture(HWND window);

}  // namespace velk
