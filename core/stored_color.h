#pragma once
// The colour format of velk.ini and of the caption's colour properties: a
// value 0x00BBGGRR, or, with the top bit set, a system colour whose index is
// the low byte. No Windows header: win/stored_color.h resolves it.
#include <cstdint>

namespace velk {

inline constexpr uint32_t kSystemColorFlag = 0x80000000u;
// The system colour 1, the desktop's (COLOR_BACKGROUND).
inline constexpr int32_t kDesktopColor = static_cast<int32_t>(kSystemColorFlag | 1u);

constexpr bool IsSystemColor(int32_t value) { return (static_cast<uint32_t>(value) & kSystemColorFlag) != 0; }
constexpr int SystemColorIndex(int32_t value) { return static_cast<int>(static_cast<uint32_t>(value) & 0xFFu); }
// The red, green and blue bytes of a value that names no system colour.
constexpr uint32_t StoredRgb(int32_t value) { return static_cast<uint32_t>(value) & 0x00FFFFFFu; }

}  // namespace velk
