#include "core/panel_lock_name.h"

#include <cstdint>

namespace velk {

std::wstring PanelLockName(std::wstring_view folderIdentity) {
    // FNV-1a over the UTF-16 code units, each as its two bytes.
    uint64_t hash = 14695981039346656037ull;
    for (const wchar_t unit : folderIdentity) {
        for (const unsigned byte : {static_cast<unsigned>(unit) & 0xFFu, (static_cast<unsigned>(unit) >> 8) & 0xFFu}) {
            hash ^= byte;
            hash *= 1099511628211ull;
        }
    }
    std::wstring name = L"Local\\VELK-panel-";
    for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 0xFu];
    return name;
}

}  // namespace velk
