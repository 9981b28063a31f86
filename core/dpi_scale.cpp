#include "core/dpi_scale.h"

#include "core/mul_div.h"

namespace velk {

int ScaleToDpi(int value, int dpi) { return dpi == kDesignDpi ? value : caption::MulDiv(value, dpi, kDesignDpi); }

}  // namespace velk
