// A .bmp file as anyone may have chosen it for the background: any bytes are
// refused or accepted without reading past them, and an accepted picture has
// the sane size GDI is then asked to make.
#include "core/picture_format.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using velk::fuzz::Require;
    const std::string_view bytes = velk::fuzz::Bytes(data, size);
    velk::BitmapFacts facts;
    const bool valid = velk::ValidateBitmapFile(bytes, &facts);
    Require(valid == velk::ValidateBitmapFile(bytes, nullptr), "the same answer without facts");
    if (!valid) return 0;
    Require(facts.Width >= 1 && facts.Width <= 32767 && facts.Height >= 1 && facts.Height <= 32767,
            "sides within 1..32767");
    Require(int64_t{facts.Width} * facts.Height <= int64_t{64} << 20, "at most 64 M pixels");
    return 0;
}
