#pragma once
// The settings dialog's reading of what the user typed; texts are
// code-page-1250 bytes.
#include <cstdint>
#include <optional>
#include <string_view>

namespace velk {

// The strict conversion of the X and Y boxes: optional leading spaces, an
// optional sign, one or more decimal digits and nothing after them, within
// 32 bits. An empty box, "12a" or "99999999999" is no whole number.
std::optional<int32_t> StrictInt(std::string_view text);

}  // namespace velk
