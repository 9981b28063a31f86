#include "core/dropped_name.h"

namespace velk {

std::wstring_view DroppedName(std::wstring_view path) {
    if (path.size() > 1 && path.back() == L'\\') path.remove_suffix(1);
    path.remove_prefix(path.find_last_of(L'\\') + 1);
    // ".lnk" in any letter case.
    constexpr std::wstring_view kLink = L".lnk";
    size_t same = 0;
    while (same < kLink.size() && path.size() > kLink.size() &&
           (path[path.size() - kLink.size() + same] | 0x20) == kLink[same])
        ++same;
    if (same == kLink.size()) path.remove_suffix(kLink.size());
    return path;
}

}  // namespace velk
