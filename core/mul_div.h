#pragma once
// The system's MulDiv, for arithmetic that must round exactly as the system
// does: the product taken in 64 bits, divided, rounded to the nearest
// integer with halves away from zero. A zero divisor or a quotient beyond
// ±2,147,483,647 gives -1, as the system's does. No Windows header.
#include <cstdint>

namespace velk {

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator);

}  // namespace velk
