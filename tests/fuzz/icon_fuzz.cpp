// An .ico file as anyone may have chosen it: any bytes are refused or
// accepted without reading past them.
#include <string>

#include "core/picture_format.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = velk::fuzz::Bytes(data, size);
    // Every image is found through the directory's offsets and lengths, so
    // bytes after the last one change nothing.
    if (velk::ValidateIconFile(bytes))
        velk::fuzz::Require(velk::ValidateIconFile(std::string(bytes) + '\0'), "trailing bytes change nothing");
    return 0;
}
