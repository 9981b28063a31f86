#pragma once
// What the caption reads of its form's window: the border style and border
// icons its styles stand for, and whether it is a document frame (it holds a
// document client) or a document child.
#include <windows.h>

#include <functional>

#include "caption/caption_kinds.h"

namespace velk {

caption::TFormBorderStyle BorderStyleOf(HWND window);
caption::TBorderIcons BorderIconsOf(HWND window);

bool IsDocumentChild(HWND window);
// The document client of a document frame; null for any other window.
HWND DocumentClientOf(HWND window);
// The active document child of a document frame, or null.
HWND ActiveDocumentChildOf(HWND frame);

// Every form of this thread: the top-level ones and the document children
// inside them.
void ForEachForm(const std::function<void(HWND)>& visit);

}  // namespace velk
