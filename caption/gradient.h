#pragma once
// The caption's colour gradient: NumColors bands across the bar, band i from
// left + MulDiv(i, width, N) to left + MulDiv(i + 1, width, N), its colour
// stepping from the begin colour (band 0) to the end colour (band N - 1)
// by MulDiv(i, difference, N - 1) per channel, all with the system's
// rounding. No Windows header: tested natively.
#include <cstdint>
#include <vector>

namespace velk::caption {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct Band {
    int32_t left = 0;
    int32_t right = 0;
    Rgb color;
    bool operator==(const Band&) const = default;
};

// The colour of band `index` of `count`; one band has the begin colour.
Rgb BandColor(Rgb begin, Rgb end, int32_t index, int32_t count);

// The bands that cover at least one pixel column, left to right; together
// they tile [left, left + width) without gaps. A band narrower than a pixel
// (more bands than columns) paints nothing and is not listed, so the work
// follows the bar's width, not the band count. No bands for a count below 1
// or an empty bar.
std::vector<Band> GradientBands(Rgb begin, Rgb end, int32_t count, int32_t left, int32_t width);

}  // namespace velk::caption
