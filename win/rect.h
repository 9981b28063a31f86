#pragma once
// The program's rectangles (core/geometry.h) as the system's and back.
#include <windows.h>

#include "core/geometry.h"

namespace velk {

inline RECT ToRECT(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }
inline Rect FromRECT(const RECT& rect) { return Rect{rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace velk
