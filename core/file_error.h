#pragma once
// Why a file operation failed, as the system numbers it, so that the reason
// can travel to the box that tells the user. The named values are those
// whose meaning the program relies on.
#include <cstdint>

namespace velk {

enum class FileError : uint32_t {
    None = 0,
    AccessDenied = 5,
    SharingViolation = 32,
    UnableToRemoveReplaced = 1175,
    UnableToMoveReplacement = 1176,
    UnableToMoveReplacement2 = 1177,
};

}  // namespace velk
