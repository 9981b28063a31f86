#pragma once
// The caption's fonts: the attributes the forms store (face, height,
// character set, style, colour), copied as values, and the font objects
// made from them.
#include <windows.h>

#include <cstdint>
#include <string>

#include "caption/tcolor.h"
#include "win/handles.h"

namespace velk {

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// A set of TFontStyle values.
using TFontStyles = uint8_t;

struct TCaptionFont {
    std::wstring Name;
    int32_t Height = 0;  // negative: a character height in pixels
    BYTE Charset = DEFAULT_CHARSET;
    TFontStyles Style = 0;
    TColor Color = clWindowText;  // stored with the form; the bar draws in its own colours
    bool operator==(const TCaptionFont&) const = default;
};

// The font of the window (WM_GETFONT), or the system's GUI font for a
// window that names none.
TCaptionFont FontOfWindow(HWND window);

// A font object of these attributes at the given height.
Font MakeCaptionFont(const TCaptionFont& font, int32_t height);

// The font object of one of the bar's texts, made again only when its
// attributes or height change: a font made at every paint cost the bar a
// large share of its paint.
class CaptionFontCache {
public:
    HFONT Get(const TCaptionFont& font, int32_t height);

private:
    TCaptionFont attributes_;
    int32_t height_ = 0;
    Font font_;
};

}  // namespace velk
