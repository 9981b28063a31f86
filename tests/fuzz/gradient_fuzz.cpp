// The caption's gradient from any colours, band count and bar: the bands
// tile the bar left to right without gaps or overlaps, never outnumber its
// columns or the count, and every colour lies between the two ends.
//   input: begin and end colours (3 bytes each), count, left, width (each
//   a little-endian 32-bit integer).
#include <algorithm>
#include <limits>

#include "caption/gradient.h"
#include "fuzz_support.h"

namespace {

using namespace velk::caption;
using velk::fuzz::Require;

// Wider than the widest screen a window spans; the work follows the width.
constexpr int32_t kWidestBar = 1 << 14;

bool Between(uint8_t value, uint8_t a, uint8_t b) { return value >= std::min(a, b) && value <= std::max(a, b); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    velk::fuzz::Fields fields(data, size);
    const Rgb begin{fields.U8(), fields.U8(), fields.U8()};
    const Rgb end{fields.U8(), fields.U8(), fields.U8()};
    const int32_t count = fields.I32();
    const int32_t left = fields.I32();
    const int32_t width = static_cast<int32_t>(fields.U32() % (kWidestBar + 1));
    // The bar [left, left + width) lies within the coordinate range.
    if (left > std::numeric_limits<int32_t>::max() - width) return 0;

    const std::vector<Band> bands = GradientBands(begin, end, count, left, width);
    if (count < 1 || width == 0) {
        Require(bands.empty(), "no bands without a count or a width");
        return 0;
    }
    Require(!bands.empty() && bands.front().left == left && bands.back().right == left + width,
            "the bands span the bar");
    Require(static_cast<int64_t>(bands.size()) <= std::min(count, width), "no more bands than columns or the count");
    for (size_t i = 0; i < bands.size(); ++i) {
        Require(bands[i].right > bands[i].left, "every band at least a column wide");
        if (i > 0) Require(bands[i].left == bands[i - 1].right, "no gap or overlap");
        const Rgb& c = bands[i].color;
        Require(Between(c.red, begin.red, end.red) && Between(c.green, begin.green, end.green) &&
                    Between(c.blue, begin.blue, end.blue),
                "every colour between the ends");
    }
    // With no more bands than columns every band is listed, the first and
    // last in the two end colours.
    if (count <= width) {
        Require(static_cast<int32_t>(bands.size()) == count, "every band listed");
        Require(bands.front().color == begin && bands.back().color == (count == 1 ? begin : end), "the end colours");
    }
    return 0;
}
