#pragma once
// A windowless text label drawn by its form: transparent, one line, cut at
// its own edges, hit-tested by its rectangle.
#include <windows.h>

#include <cstdint>
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

// A stored colour value: 0x00BBGGRR, or with the top bit set a system colour
// whose index is the low byte.
COLORREF ResolveColor(int32_t value);

}  // namespace velk
