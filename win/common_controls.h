#pragma once
// The common controls library (comctl32, version 6 by the manifest), loaded
// when the first form with system controls is built, not at every start:
// the panel has none, and under Wine the library alone costs tens of
// milliseconds and over a megabyte of private memory. Loaded once for the
// process; its window classes (the themed ones among them) exist from then on.
#include <windows.h>
#include <commctrl.h>

namespace velk {

// Loads the library and registers its standard and tab control classes,
// once; false when it cannot be loaded.
bool UseCommonControls();

// The library's subclassing of a window; each fails (FALSE, or the window's
// own handling) where the library cannot be loaded.
BOOL AttachSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL DetachSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefaultSubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The data of the window's subclass by that procedure and id; FALSE where it
// has none. Asked of any window: it does not load the library, no window
// being subclassed before it is loaded.
BOOL FindSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR* data);

}  // namespace velk
