#pragma once
// PNG, JPEG and GIF files decoded with the Windows Imaging Component: the
// first frame, converted to 32-bit premultiplied BGRA in a top-down DIB
// section, so that transparency can be blended over what lies under it.
#include <windows.h>
#include <objbase.h>

#include <optional>
#include <string_view>

#include "win/handles.h"

namespace velk {

// Beyond any background picture: a larger image is refused before its pixels
// are decoded.
inline constexpr UINT64 kMaxDecodedPixels = UINT64{64} << 20;

struct DecodedImage {
    Bitmap Pixels;
    int Width = 0;
    int Height = 0;
};

// Nothing for a file any step of decoding refuses, or one too large.
std::optional<DecodedImage> DecodeImage(std::string_view bytes);

}  // namespace velk
