#include "core/dpi_scale.h"

#include "core/mul_div.h"

namespace velk {

int ScaleToDpi(int value, int dpi) { return dpi == kDesignDpi ? value : MulDiv(value, dpi, kDesignDpi); }

Size WindowSizeAtDpi(Size designClient, const Rect& frame, int dpi) {
    return {ScaleToDpi(designClient.width, dpi) + frame.Width(), ScaleToDpi(designClient.height, dpi) + frame.Height()};
}

}  // namespace velk
