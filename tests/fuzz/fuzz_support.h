#pragma once
// Shared by the fuzz targets: fixed-order little-endian fields read from the
// front of the input (missing bytes read as 0, so a short seed is still
// meaningful and hand-made seeds are easy to write), and a check that stops
// the run with a message, which libFuzzer then reports as a crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace velk::fuzz {

class Fields {
public:
    Fields(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t U8() { return at_ < size_ ? data_[at_++] : 0; }
    uint32_t U32() {
        uint32_t value = 0;
        for (int byte = 0; byte < 4; ++byte) value |= uint32_t{U8()} << (8 * byte);
        return value;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

inline std::string_view Bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace velk::fuzz
