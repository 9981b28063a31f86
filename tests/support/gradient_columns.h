#pragma once
// The colour each pixel column of a caption bar must show, worked out here
// from the gradient's rule with the system's own MulDiv, apart from the
// program's code: `bands` bands across the bar, band i from column
// MulDiv(i, width, bands) to MulDiv(i + 1, width, bands), its colour the
// begin colour plus MulDiv(i, end - begin, bands - 1) in each channel.
#include <windows.h>

#include <vector>

namespace velk::test {

inline std::vector<COLORREF> GradientColumns(COLORREF begin, COLORREF end, int bands, int width) {
    const auto channel = [&](BYTE from, BYTE to, int band) {
        return static_cast<BYTE>(from + (bands > 1 ? MulDiv(band, to - from, bands - 1) : 0));
    };
    std::vector<COLORREF> columns;
    for (int band = 0; band < bands; ++band) {
        const COLORREF colour = RGB(channel(GetRValue(begin), GetRValue(end), band),
                                    channel(GetGValue(begin), GetGValue(end), band),
                                    channel(GetBValue(begin), GetBValue(end), band));
        for (int column = MulDiv(band, width, bands); column < MulDiv(band + 1, width, bands); ++column)
            columns.push_back(colour);
    }
    return columns;
}

}  // namespace velk::test
