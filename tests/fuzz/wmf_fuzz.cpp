// A .wmf file as anyone may have chosen it: any bytes are refused or
// accepted without reading past them, and an accepted placeable file has
// the box and units per inch the picture is sized by.
#include "core/picture_format.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velk;
    using velk::fuzz::Require;
    const std::string_view bytes = fuzz::Bytes(data, size);
    MetafileFacts facts;
    const bool valid = ValidateWmfFile(bytes, &facts);
    Require(valid == ValidateWmfFile(bytes, nullptr), "the same answer without facts");
    if (!valid) return 0;
    if (facts.Layout == MetafileLayout::Plain) {
        Require(facts.RecordsOffset == 0, "a plain file's records at its start");
        return 0;
    }
    Require(facts.RecordsOffset == 22, "a placeable file's records after its 22-byte header");
    Require(facts.Right > facts.Left && facts.Bottom > facts.Top && facts.Inch != 0, "a box and a unit to size by");
    return 0;
}
