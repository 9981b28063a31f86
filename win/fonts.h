#pragma once
// Fonts as the forms describe them: a face, a character height in pixels,
// weight, slant and character set.
#include <windows.h>

#include "win/handles.h"

namespace velk {

// Where a form's design says "MS Sans Serif": its TrueType form, of the same
// line height. The bitmap face scales with no monitor, and outside a Central
// European system it has no ą, ę, ł.
inline constexpr wchar_t kSansSerifFace[] = L"Microsoft Sans Serif";

inline Font MakeFont(int height, int weight, bool italic, DWORD charset, const wchar_t* face) {
    return Font(CreateFontW(-height, 0, 0, 0, weight, italic, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

}  // namespace velk
