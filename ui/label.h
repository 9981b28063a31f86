#pragma once
// A windowless text label drawn by its form: transparent, one line, cut at
// its own edges, hit-tested by its rectangle.
#include <windows.h>

#include <string>

#include "core/alignment.h"

namespace velk {

// The DrawText flag of an alignment.
UINT AlignmentFormat(Alignment align);

struct Label {
    RECT Bounds{};
    bool Visible = false;
    std::wstring Caption;
    Alignment Align = Alignment::Left;
    COLORREF Color = RGB(0, 0, 0);

    bool Contains(POINT point) const { return Visible && PtInRect(&Bounds, point); }
    void Draw(HDC dc, HFONT font) const;
};

}  // namespace velk
