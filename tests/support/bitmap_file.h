#pragma once
// Bitmap files for the tests, made in memory.
#include <windows.h>

#include <cstdint>
#include <string>

namespace velk {

// A 24-bit bottom-up .bmp file of the given size, each pixel's colour
// (COLORREF) from colourAt(x, y).
template <typename ColourAt>
std::string MakeBitmapFile(int width, int height, ColourAt colourAt) {
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(stride * height);
    std::string file(54 + pixelBytes, '\0');
    const auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    put32(34, pixelBytes);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = colourAt(x, y);
            const size_t at = 54 + static_cast<size_t>(height - 1 - y) * stride + x * 3;
            file[at] = static_cast<char>(GetBValue(colour));
            file[at + 1] = static_cast<char>(GetGValue(colour));
            file[at + 2] = static_cast<char>(GetRValue(colour));
        }
    }
    return file;
}

}  // namespace velk
