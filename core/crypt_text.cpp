#include "core/crypt_text.h"

namespace velk {

std::string CryptTransform(std::string_view text, uint8_t key) {
    // Works on a string of any length holding any bytes, zero included; the
    // label that uses it decides what a caption may hold.
    std::string result(text);
    for (size_t i = 0; i < result.size(); ++i) {
        const auto position = static_cast<uint8_t>(i + 1);  // wraps at 256
        const auto byte = static_cast<uint8_t>(result[i]);
        result[i] = static_cast<char>(byte ^ position ^ key);
    }
    return result;
}

}  // namespace velk
