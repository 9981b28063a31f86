#include "core/mul_div.h"

namespace velk {

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    int64_t product = static_cast<int64_t>(number) * numerator;
    int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    // Truncating division after moving half a divisor away from zero rounds
    // halves away from zero.
    const int64_t half = divisor / 2;
    const int64_t quotient = (product >= 0 ? product + half : product - half) / divisor;
    if (quotient > INT32_MAX || quotient < -INT32_MAX) return -1;
    return static_cast<int32_t>(quotient);
}

}  // namespace velk
