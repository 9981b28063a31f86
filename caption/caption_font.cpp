#include "caption/caption_font.h"

namespace velk {

TCaptionFont FontOfWindow(HWND window) {
    HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (!handle) handle = GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTW facts{};
    GetObjectW(handle, sizeof facts, &facts);
    TCaptionFont font;
    font.Name = facts.lfFaceName;
    font.Height = facts.lfHeight;
    font.Charset = facts.lfCharSet;
    if (facts.lfWeight >= FW_BOLD) font.Style |= fsBold;
    if (facts.lfItalic) font.Style |= fsItalic;
    if (facts.lfUnderline) font.Style |= fsUnderline;
    if (facts.lfStrikeOut) font.Style |= fsStrikeOut;
    return font;
}

Font MakeCaptionFont(const TCaptionFont& font, int32_t height) {
    return Font(CreateFontW(height, 0, 0, 0, (font.Style & fsBold) ? FW_BOLD : FW_NORMAL, (font.Style & fsItalic) != 0,
                            (font.Style & fsUnderline) != 0, (font.Style & fsStrikeOut) != 0, font.Charset,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            font.Name.c_str()));
}

HFONT CaptionFontCache::Get(const TCaptionFont& font, int32_t height) {
    if (!font_ || !(font == attributes_) || height != height_) {
        font_ = MakeCaptionFont(font, height);
        attributes_ = font;
        height_ = height;
    }
    return font_.get();
}

}  // namespace velk
