#pragma once
// The enciphered label's transform: byte i (counted from 1) is combined by
// exclusive or with (i mod 256) and the key. It is its own inverse.
#include <cstdint>
#include <string>
#include <string_view>

namespace velk {

std::string CryptTransform(std::string_view text, uint8_t key);

}  // namespace velk
