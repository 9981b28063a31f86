// The X and Y boxes' strict whole numbers.
#include <gtest/gtest.h>

#include "settings/setup_values.h"

namespace velk {
namespace {

TEST(SetupValues, OnlyWholeNumbersWithin32BitsAreTaken) {
    const struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"0", 0},
        {"140", 140},
        {"-5", -5},
        {"+7", 7},
        {"  12", 12},
        {" -0012", -12},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"- 1", std::nullopt},
        {"12a", std::nullopt},
        {"12 ", std::nullopt},
        {"1 2", std::nullopt},
        {"\t5", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const auto& example : cases) EXPECT_EQ(StrictInt(example.text), example.value) << '"' << example.text << '"';
}

}  // namespace
}  // namespace velk
