#include "core/decimal.h"

namespace velk {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view SkipCSpace(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && IsCSpace(text[at])) ++at;
    return text.substr(at);
}

DecimalRun ReadDecimal(std::string_view text) {
    const bool hasSign = !text.empty() && (text[0] == '+' || text[0] == '-');
    const bool negative = hasSign && text[0] == '-';
    const size_t firstDigit = hasSign ? 1 : 0;
    // Unsigned arithmetic wraps by definition: the 32-bit two's-complement
    // overflow without undefined behaviour.
    uint32_t wrapped = 0;
    // One past INT32_MAX still fits a negative number; the magnitude stops
    // growing past it, so no run of digits overflows it.
    constexpr uint64_t kLimit = uint64_t{INT32_MAX} + 1;
    uint64_t magnitude = 0;
    size_t at = firstDigit;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        const auto digit = static_cast<uint32_t>(text[at] - '0');
        wrapped = wrapped * 10u + digit;
        if (magnitude <= kLimit) magnitude = magnitude * 10u + digit;
    }
    DecimalRun run;
    if (at == firstDigit) return run;
    run.length = at;
    run.wrapped = static_cast<int32_t>(negative ? 0u - wrapped : wrapped);
    if (magnitude < kLimit || (negative && magnitude == kLimit)) {
        const auto value = static_cast<int64_t>(magnitude);
        run.exact = static_cast<int32_t>(negative ? -value : value);
    }
    return run;
}

}  // namespace velk
