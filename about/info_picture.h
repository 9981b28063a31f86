#pragma once
// The about box's picture, made in code rather than copied: a small VELK
// panel on a desktop, 111 x 120 pixels in 256 colours.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace velk {

class InfoPicture {
public:
    static constexpr int kWidth = 111;
    static constexpr int kHeight = 120;

    InfoPicture();
    // Draws the picture at its own size with its top left corner at the point.
    void Draw(HDC dc, POINT at) const;

private:
    struct PaletteBitmapInfo {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    };

    void Fill(int left, int top, int right, int bottom, uint8_t index);
    void Set(int x, int y, uint8_t index);
    void PaintDesktop();
    void PaintPanel();
    void PaintPointer(int x, int y);

    PaletteBitmapInfo info_{};
    std::vector<uint8_t> pixels_;  // palette indices, bottom row first, rows padded to 4 bytes
};

}  // namespace velk
