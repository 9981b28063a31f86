#pragma once
// The system metrics a caption bar is laid out with, read now: they change
// with the user's settings, so they are never kept.
#include <windows.h>

#include "caption/caption_layout.h"

namespace velk::caption {

inline CaptionMetrics SystemCaptionMetrics() {
    return {GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME), GetSystemMetrics(SM_CXFRAME),
            GetSystemMetrics(SM_CYFRAME),    GetSystemMetrics(SM_CYCAPTION),  GetSystemMetrics(SM_CYSMCAPTION),
            GetSystemMetrics(SM_CXSIZE),     GetSystemMetrics(SM_CYSIZE),     GetSystemMetrics(SM_CXSMSIZE)};
}

}  // namespace velk::caption
