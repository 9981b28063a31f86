#include "core/dropped_name.h"

namespace velk {

std::wstring_view DroppedName(std::wstring_view path) {
    if (path.size() > 1 && path.back() == L'\\') path.remove_suffix(1);
    path.remove_prefix(path.find_last_of(L'\\') + 1);
    const size_t size = path.size();
    // Letters compared without their case: ".lnk", ".LNK".
    if (size > 4 && path[size - 4] == L'.' && (path[size - 3] | 0x20) == L'l' && (path[size - 2] | 0x20) == L'n' &&
        (path[size - 1] | 0x20) == L'k')
        path.remove_suffix(4);
    return path;
}

}  // namespace velk
