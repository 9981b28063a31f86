#pragma once
// A stored colour (core/stored_color.h) as the system's colour now.
#include <windows.h>

#include <cstdint>

#include "core/stored_color.h"

namespace velk {

COLORREF ResolveColor(int32_t value);

}  // namespace velk
