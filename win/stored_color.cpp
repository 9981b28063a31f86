#include "win/stored_color.h"

namespace velk {

COLORREF ResolveColor(int32_t value) {
    return IsSystemColor(value) ? GetSysColor(SystemColorIndex(value)) : static_cast<COLORREF>(StoredRgb(value));
}

}  // namespace velk
