// ostatnio.asc as anyone may have left it: any bytes read as six numbers or
// as none, and six numbers read back from the text the program writes.
#include "fuzz_support.h"
#include "core/launch_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velk;
    const std::optional<RecordTime> time = ParseLastStart(fuzz::Bytes(data, size));
    if (!time) return 0;
    const std::optional<RecordTime> again = ParseLastStart(LastStartFileText(*time));
    fuzz::Require(again && again->Day == time->Day && again->Month == time->Month && again->Year == time->Year &&
                      again->Hour == time->Hour && again->Minute == time->Minute && again->Second == time->Second,
                  "the written text reads back as the same six numbers");
    fuzz::Require(!WindowTimeText(*time).empty(), "a window text");
    return 0;
}
