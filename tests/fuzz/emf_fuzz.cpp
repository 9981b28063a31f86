// An .emf file as anyone may have chosen it: any bytes are refused or
// accepted without reading past them.
#include "core/picture_format.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = velk::fuzz::Bytes(data, size);
    const bool valid = velk::ValidateEmfFile(bytes);
    // Nothing follows the header record in the check: a longer file with
    // the same header is judged the same.
    if (valid) velk::fuzz::Require(velk::ValidateEmfFile(std::string(bytes) + '\0'), "trailing bytes change nothing");
    return 0;
}
