#pragma once
// Design values are pixels at 96 dpi; a window shows them at its own dpi,
// scaled once where they are applied. No Windows header.
namespace velk {

inline constexpr int kDesignDpi = 96;

// The design value at dpi, rounded as the system's MulDiv rounds.
int ScaleToDpi(int value, int dpi);

}  // namespace velk
