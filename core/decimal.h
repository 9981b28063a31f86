#pragma once
// Decimal integers in text as the C library reads them, in the C locale
// whatever the process's: the one reader under the settings file's lenient
// numbers, the dialog's strict ones and the launch record's.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velk {

// White space as the C locale's isspace sees it.
bool IsCSpace(char c);
// The text after its leading C-locale white space.
std::string_view SkipCSpace(std::string_view text);

// An optional sign and the digits that follow it, up to the first other
// character.
struct DecimalRun {
    size_t length = 0;  // the characters read, sign included; 0 when no digit follows the sign
    int32_t wrapped = 0;  // the value modulo 2^32, as 32-bit two's complement; 0 without digits
    std::optional<int32_t> exact;  // the value; nullopt without digits or beyond 32 bits
};

// Reads the run at the very start of the text; nothing is skipped.
DecimalRun ReadDecimal(std::string_view text);

}  // namespace velk
