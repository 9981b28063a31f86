#pragma once
// The system metrics a caption bar is laid out with, read now at the form's
// dpi: they change with the user's settings, so they are never kept.
#include <windows.h>

#include "caption/caption_layout.h"
#include "win/dpi.h"

namespace velk::caption {

inline CaptionMetrics SystemCaptionMetrics(int dpi) {
    const auto metric = [dpi](int index) { return SystemMetricForDpi(index, dpi); };
    return {metric(SM_CXDLGFRAME), metric(SM_CYDLGFRAME), metric(SM_CXFRAME),
            metric(SM_CYFRAME),    metric(SM_CYCAPTION),  metric(SM_CYSMCAPTION),
            metric(SM_CXSIZE),     metric(SM_CYSIZE),     metric(SM_CXSMSIZE)};
}

}  // namespace velk::caption
