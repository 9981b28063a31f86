#pragma once
// A page of a tab control: the window that holds the page's controls and
// passes on to the form what they tell their parent. Under a visual style it
// asks for the tab pages' texture and draws it as its background, and its
// static texts, check boxes and radio buttons paint on that same background;
// without a theme it is a plain window of the face colour.
#include <windows.h>

namespace velk {

inline constexpr wchar_t kTabPageClass[] = L"VelkPage";

// Registers the class; a second registration finds it there.
void RegisterTabPage();

}  // namespace velk
