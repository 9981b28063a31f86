#include "settings/setup_values.h"

#include <algorithm>

#include "core/decimal.h"

namespace velk {

std::optional<int32_t> StrictInt(std::string_view text) {
    const std::string_view number = text.substr(std::min(text.find_first_not_of(' '), text.size()));
    const DecimalRun run = ReadDecimal(number);
    if (run.length != number.size()) return std::nullopt;
    return run.exact;
}

}  // namespace velk
