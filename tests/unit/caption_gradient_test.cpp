// The system's MulDiv rounding and the gradient built on it: the navy-to-
// blue example, band edges with more, as many and fewer bands than pixel
// columns against a plain reference, and the counts that draw no bands.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "caption/gradient.h"
#include "core/mul_div.h"

namespace velk::caption {
namespace {

TEST(CaptionMulDiv, RoundsHalvesAwayFromZeroAndFailsAsTheSystemDoes) {
    const struct {
        int32_t number, numerator, denominator, expected;
    } cases[] = {
        {1, 127, 254, 1},  // 0.5
        {3, 127, 254, 2},  // 1.5
        {1, 1, 3, 0},      // 0.33
        {-1, 1, 2, -1},    // -0.5
        {-5, 3, -2, 8},    // 7.5
        {5, 3, -2, -8},    // -7.5
        {7, 1, 0, -1},     // no divisor
        {INT32_MAX, 2, 2, INT32_MAX},
        {INT32_MAX, 2, 1, -1},  // beyond 32 bits
        {INT32_MIN, 1, 1, -1},  // -2,147,483,648 is out of range too
    };
    for (const auto& example : cases)
        EXPECT_EQ(MulDiv(example.number, example.numerator, example.denominator), example.expected)
            << example.number << " * " << example.numerator << " / " << example.denominator;
}

constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kBlue{0, 0, 255};

TEST(CaptionGradient, NavyToBlueOver255BandsStepsBlueByHalves) {
    for (int32_t i = 0; i < 255; ++i) {
        // 128, 129, 129, 130, 130, ... 255
        const Rgb expected{0, 0, static_cast<uint8_t>(128 + (i + 1) / 2)};
        EXPECT_EQ(BandColor(kNavy, kBlue, i, 255), expected) << "band " << i;
    }
}

// Every band of the count, by the plain formula: rounding of a non-negative
// a / b to the nearest, halves up, is (2a + b) / (2b); a negative step
// rounds the same way away from zero.
int32_t Rounded(int64_t a, int64_t b) {
    const int64_t magnitude = (2 * (a < 0 ? -a : a) + b) / (2 * b);
    return static_cast<int32_t>(a < 0 ? -magnitude : magnitude);
}

std::vector<Band> ReferenceBands(Rgb begin, Rgb end, int32_t count, int32_t left, int32_t width) {
    std::vector<Band> bands;
    const auto step = [&](uint8_t from, uint8_t to, int32_t i) {
        if (count == 1) return from;
        return static_cast<uint8_t>(from + Rounded(static_cast<int64_t>(i) * (to - from), count - 1));
    };
    for (int32_t i = 0; i < count; ++i) {
        const int32_t bandLeft = Rounded(static_cast<int64_t>(i) * width, count);
        const int32_t bandRight = Rounded(static_cast<int64_t>(i + 1) * width, count);
        if (bandRight == bandLeft) continue;  // zero pixels wide: nothing to paint
        const Rgb color{step(begin.red, end.red, i), step(begin.green, end.green, i), step(begin.blue, end.blue, i)};
        bands.push_back({left + bandLeft, left + bandRight, color});
    }
    return bands;
}

TEST(CaptionGradient, BandsTileTheBarWithTheSystemsRoundingForAnyCountAgainstTheWidth) {
    const Rgb gray{128, 128, 128}, silver{192, 192, 192}, falling{200, 10, 90};
    const struct {
        int32_t count, width;
        Rgb begin, end;
    } cases[] = {
        {255, 130, kNavy, kBlue},     // more bands than columns: the panel
        {255, 130, gray, silver},
        {130, 130, kNavy, kBlue},     // as many
        {255, 517, kNavy, kBlue},     // fewer: the settings dialog
        {64, 517, falling, kNavy},    // channels falling and rising
        {3, 10, falling, kBlue},
        {7, 3, falling, kBlue},
        {100000, 130, kNavy, kBlue},  // zero-width bands by the thousand
        {2, 1, kNavy, kBlue},
        {1, 517, kNavy, kBlue},       // one band: the begin colour
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(testing::Message() << example.count << " bands over " << example.width << " columns");
        const std::vector<Band> bands = GradientBands(example.begin, example.end, example.count, 3, example.width);
        EXPECT_EQ(bands, ReferenceBands(example.begin, example.end, example.count, 3, example.width));
        ASSERT_FALSE(bands.empty());
        EXPECT_EQ(bands.front().left, 3);
        EXPECT_EQ(bands.back().right, 3 + example.width);
        for (size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].left, bands[i - 1].right) << "gap at band " << i;
        // The first band has the begin colour and the last the end colour;
        // they are at least a column wide while bands are wider than half a
        // column (more bands may round the end bands away).
        if (example.count < 2 * example.width) {
            EXPECT_EQ(bands.front().color, example.begin);
            if (example.count > 1) {
                EXPECT_EQ(bands.back().color, example.end);
            }
        }
    }
}

TEST(CaptionGradient, NoBandsForNoCountOrNoBarAndAFlatBarForOneColour) {
    for (int32_t count : {0, -5, INT32_MIN}) EXPECT_TRUE(GradientBands(kNavy, kBlue, count, 3, 517).empty()) << count;
    EXPECT_TRUE(GradientBands(kNavy, kBlue, 255, 3, 0).empty());
    EXPECT_TRUE(GradientBands(kNavy, kBlue, 255, 3, -5).empty()) << "a window narrower than its frame";
    for (const Band& band : GradientBands(kBlue, kBlue, 255, 3, 517)) EXPECT_EQ(band.color, kBlue);
    // The work follows the width, not the count: the largest count is one
    // band per column, rising towards the end colour.
    const std::vector<Band> most = GradientBands(kNavy, kBlue, INT32_MAX, 3, 130);
    ASSERT_EQ(most.size(), 130u);
    EXPECT_EQ(most.front().color, kNavy);
    for (size_t i = 1; i < most.size(); ++i) EXPECT_GE(most[i].color.blue, most[i - 1].color.blue);
    EXPECT_GE(most.back().color.blue, 254);
    EXPECT_EQ(most.back().right, 133);
}

}  // namespace
}  // namespace velk::caption
