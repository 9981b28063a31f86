#include "about/info_picture.h"

#include <algorithm>

namespace velk {

namespace {

constexpr int kStride = (InfoPicture::kWidth + 3) & ~3;

// The palette: a ramp for the desktop, a ramp for the panel's caption and a
// few plain colours.
constexpr uint8_t kDesktopFirst = 0;
constexpr int kDesktopShades = 128;
constexpr uint8_t kCaptionFirst = 128;
constexpr int kCaptionShades = 64;
constexpr uint8_t kBlack = 192;
constexpr uint8_t kWhite = 193;
constexpr uint8_t kPanelBody = 194;
constexpr uint8_t kClockYellow = 195;
constexpr uint8_t kLightGray = 196;
constexpr uint8_t kHoverMagenta = 197;
constexpr uint8_t kShadow = 198;

RGBQUAD Blend(RGBQUAD from, RGBQUAD to, int step, int steps) {
    auto mix = [&](BYTE a, BYTE b) { return static_cast<BYTE>(a + (b - a) * step / (steps - 1)); };
    return RGBQUAD{mix(from.rgbBlue, to.rgbBlue), mix(from.rgbGreen, to.rgbGreen), mix(from.rgbRed, to.rgbRed), 0};
}

constexpr RGBQUAD Rgb(BYTE red, BYTE green, BYTE blue) { return RGBQUAD{blue, green, red, 0}; }

}  // namespace

InfoPicture::InfoPicture() : pixels_(static_cast<size_t>(kStride) * kHeight, kBlack) {
    info_.header.biSize = sizeof info_.header;
    info_.header.biWidth = kWidth;
    info_.header.biHeight = kHeight;
    info_.header.biPlanes = 1;
    info_.header.biBitCount = 8;
    info_.header.biCompression = BI_RGB;
    info_.header.biClrUsed = 256;
    for (int i = 0; i < kDesktopShades; ++i)
        info_.colors[kDesktopFirst + i] = Blend(Rgb(0, 90, 130), Rgb(150, 205, 215), i, kDesktopShades);
    for (int i = 0; i < kCaptionShades; ++i)
        info_.colors[kCaptionFirst + i] = Blend(Rgb(0, 0, 128), Rgb(30, 150, 230), i, kCaptionShades);
    info_.colors[kWhite] = Rgb(255, 255, 255);
    info_.colors[kPanelBody] = Rgb(20, 40, 80);
    info_.colors[kClockYellow] = Rgb(255, 215, 0);
    info_.colors[kLightGray] = Rgb(192, 192, 192);
    info_.colors[kHoverMagenta] = Rgb(255, 0, 255);
    info_.colors[kShadow] = Rgb(0, 50, 70);

    PaintDesktop();
    PaintPanel();
    PaintPointer(70, 56);
}

void InfoPicture::Set(int x, int y, uint8_t index) {
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
    pixels_[static_cast<size_t>(kHeight - 1 - y) * kStride + x] = index;
}

void InfoPicture::Fill(int left, int top, int right, int bottom, uint8_t index) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) Set(x, y, index);
}

void InfoPicture::PaintDesktop() {
    for (int y = 0; y < kHeight; ++y)
        Fill(0, y, kWidth, y + 1, static_cast<uint8_t>(kDesktopFirst + y * kDesktopShades / kHeight));
}

void InfoPicture::PaintPanel() {
    constexpr int left = 28, top = 10, right = 84, bottom = 111;
    Fill(left + 3, bottom, right + 3, bottom + 3, kShadow);
    Fill(right, top + 3, right + 3, bottom, kShadow);
    Fill(left, top, right, bottom, kBlack);
    Fill(left + 1, top + 10, right - 1, bottom - 1, kPanelBody);
    for (int x = left + 1; x < right - 1; ++x) {
        const int shade = (x - left - 1) * kCaptionShades / (right - left - 2);
        Fill(x, top + 1, x + 1, top + 10, static_cast<uint8_t>(kCaptionFirst + shade));
    }
    Fill(right - 9, top + 2, right - 2, top + 9, kLightGray);
    for (int i = 0; i < 5; ++i) {
        Set(right - 8 + i, top + 3 + i, kBlack);
        Set(right - 4 - i, top + 3 + i, kBlack);
    }

    // The shortcut lines, centred as the panel shows them: the clock first,
    // the line under the pointer in the highlight colour.
    constexpr int widths[] = {30, 38, 26, 34, 22, 36, 28, 32, 20, 30};
    const int centre = (left + right) / 2;
    for (int row = 0; row < 10; ++row) {
        const uint8_t color = row == 0 ? kClockYellow : row == 5 ? kHoverMagenta : kWhite;
        const int y = top + 15 + row * 9;
        Fill(centre - widths[row] / 2, y, centre + (widths[row] + 1) / 2, y + 3, color);
    }
}

void InfoPicture::PaintPointer(int x, int y) {
    // An arrow: a white wedge with a black outline, and its stem.
    constexpr int rows = 11;
    for (int row = 0; row < rows; ++row) {
        const int width = std::min(row, 7);
        for (int column = 0; column <= width; ++column) {
            const bool edge = column == 0 || column == width || row == rows - 1;
            Set(x + column, y + row, edge ? kBlack : kWhite);
        }
    }
    for (int row = 0; row < 5; ++row) {
        Set(x + 3 + row / 2, y + rows + row, kBlack);
        Set(x + 4 + row / 2, y + rows + row, kWhite);
        Set(x + 5 + row / 2, y + rows + row, kBlack);
    }
}

void InfoPicture::Draw(HDC dc, POINT at) const {
    SetDIBitsToDevice(dc, at.x, at.y, kWidth, kHeight, 0, 0, 0, kHeight, pixels_.data(),
                      reinterpret_cast<const BITMAPINFO*>(&info_), DIB_RGB_COLORS);
}

}  // namespace velk
