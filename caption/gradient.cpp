#include "caption/gradient.h"

#include "core/mul_div.h"

namespace velk::caption {

namespace {

uint8_t Step(uint8_t begin, uint8_t end, int32_t index, int32_t count) {
    // Kept in 8 bits, as a colour byte.
    return static_cast<uint8_t>(begin + MulDiv(index, end - begin, count - 1));
}

// The band whose left edge MulDiv(i, width, count) is the last at or before
// the column: MulDiv rounds halves up here, so its edge is at or before
// `column` exactly when 2·i·width < (2·column + 1)·count.
int32_t BandAtColumn(int32_t column, int32_t width, int32_t count) {
    const int64_t limit = (2 * static_cast<int64_t>(column) + 1) * count;
    const int64_t twiceWidth = 2 * static_cast<int64_t>(width);
    return static_cast<int32_t>((limit + twiceWidth - 1) / twiceWidth - 1);
}

}  // namespace

Rgb BandColor(Rgb begin, Rgb end, int32_t index, int32_t count) {
    if (count < 2) return begin;
    return {Step(begin.red, end.red, index, count), Step(begin.green, end.green, index, count),
            Step(begin.blue, end.blue, index, count)};
}

std::vector<Band> GradientBands(Rgb begin, Rgb end, int32_t count, int32_t left, int32_t width) {
    std::vector<Band> bands;
    if (count < 1 || width <= 0) return bands;
    int32_t column = 0;
    while (column < width) {
        const int32_t index = count > width ? BandAtColumn(column, width, count) : static_cast<int32_t>(bands.size());
        const int32_t bandLeft = MulDiv(index, width, count);
        const int32_t bandRight = MulDiv(index + 1, width, count);
        if (bandRight > bandLeft)
            bands.push_back({left + bandLeft, left + bandRight, BandColor(begin, end, index, count)});
        column = bandRight;
    }
    return bands;
}

}  // namespace velk::caption
