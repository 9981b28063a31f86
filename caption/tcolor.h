#pragma once
// Colour values as the forms store them: 0x00BBGGRR, or with the top bit set
// a system colour whose index is the low byte. No Windows header.
#include <cstdint>

namespace velk {

using TColor = int32_t;

inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);

}  // namespace velk
