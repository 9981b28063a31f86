#include "ui/glyph_button.h"

#include "core/dpi_scale.h"
#include "win/dpi.h"
#include "win/handles.h"

namespace velk {

namespace {

constexpr int kGlyphSize = 16;
constexpr int kGlyphSpacing = 4;

struct GlyphColors {
    COLORREF ink;
    COLORREF mark;
};

// A green check mark.
void DrawCheck(HDC dc, POINT at, const GlyphColors& colors) {
    Pen pen(CreatePen(PS_SOLID, 3, colors.ink));
    SelectGuard selectPen(dc, pen.get());
    const POINT stroke[] = {{at.x + 2, at.y + 8}, {at.x + 6, at.y + 12}, {at.x + 13, at.y + 3}};
    Polyline(dc, stroke, 3);
}

// A question mark: a hook, its stem and the dot.
void DrawQuestion(HDC dc, POINT at, const GlyphColors& colors) {
    Pen pen(CreatePen(PS_SOLID, 2, colors.ink));
    SelectGuard selectPen(dc, pen.get());
    // Counter-clockwise from the lower right over the top to the left side.
    Arc(dc, at.x + 4, at.y + 1, at.x + 13, at.y + 10, at.x + 12, at.y + 8, at.x + 4, at.y + 5);
    const POINT stem[] = {{at.x + 11, at.y + 8}, {at.x + 8, at.y + 10}, {at.x + 8, at.y + 12}};
    Polyline(dc, stem, 3);
    const RECT dot{at.x + 7, at.y + 13, at.x + 10, at.y + 16};
    SetDCBrushColor(dc, colors.ink);
    FillRect(dc, &dot, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A white cross on a red disc.
void DrawCross(HDC dc, POINT at, const GlyphColors& colors) {
    Brush disc(CreateSolidBrush(colors.ink));
    SelectGuard selectBrush(dc, disc.get());
    SelectGuard selectOutline(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, at.x + 1, at.y + 1, at.x + 16, at.y + 16);
    Pen pen(CreatePen(PS_SOLID, 2, colors.mark));
    SelectGuard selectPen(dc, pen.get());
    const POINT down[] = {{at.x + 5, at.y + 5}, {at.x + 11, at.y + 11}};
    const POINT up[] = {{at.x + 11, at.y + 5}, {at.x + 5, at.y + 11}};
    Polyline(dc, down, 2);
    Polyline(dc, up, 2);
}

// Lines of a list on a white sheet.
void DrawList(HDC dc, POINT at, const GlyphColors& colors) {
    const RECT sheet{at.x + 1, at.y + 1, at.x + 15, at.y + 16};
    FillRect(dc, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &sheet, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SetDCBrushColor(dc, colors.ink);
    for (int line = 0; line < 4; ++line) {
        const RECT stroke{at.x + 4, at.y + 4 + 3 * line, at.x + 12, at.y + 5 + 3 * line};
        FillRect(dc, &stroke, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
}

// A clock face with its two hands.
void DrawClock(HDC dc, POINT at, const GlyphColors& colors) {
    Pen pen(CreatePen(PS_SOLID, 1, colors.ink));
    SelectGuard selectPen(dc, pen.get());
    SelectGuard selectBrush(dc, GetStockObject(WHITE_BRUSH));
    Ellipse(dc, at.x + 1, at.y + 1, at.x + 16, at.y + 16);
    const POINT hands[] = {{at.x + 8, at.y + 4}, {at.x + 8, at.y + 8}, {at.x + 12, at.y + 8}};
    Polyline(dc, hands, 3);
}

// The glyphs are designed at 96 dpi; at another dpi their strokes are
// drawn at the scale, never a small picture stretched.
class GlyphScale {
public:
    GlyphScale(HDC dc, POINT at, int dpi) : dc_(dc) {
        if (dpi == kDesignDpi) return;
        mode_ = SetGraphicsMode(dc, GM_ADVANCED);
        const FLOAT scale = static_cast<FLOAT>(dpi) / kDesignDpi;
        const XFORM transform{scale, 0, 0, scale, static_cast<FLOAT>(at.x) * (1 - scale),
                              static_cast<FLOAT>(at.y) * (1 - scale)};
        SetWorldTransform(dc, &transform);
    }
    ~GlyphScale() {
        if (!mode_) return;
        ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
        SetGraphicsMode(dc_, mode_);
    }
    GlyphScale(const GlyphScale&) = delete;
    GlyphScale& operator=(const GlyphScale&) = delete;

private:
    HDC dc_;
    int mode_ = 0;
};

void DrawGlyph(HDC dc, ButtonKind kind, POINT at, int dpi, bool enabled) {
    const GlyphScale scale(dc, at, dpi);
    const COLORREF gray = GetSysColor(COLOR_GRAYTEXT);
    switch (kind) {
    case bkOK: DrawCheck(dc, at, {enabled ? RGB(0, 128, 0) : gray, gray}); break;
    case bkHelp: DrawQuestion(dc, at, {enabled ? RGB(0, 0, 160) : gray, gray}); break;
    case bkAbort: DrawCross(dc, at, {enabled ? RGB(192, 0, 0) : gray, RGB(255, 255, 255)}); break;
    case bkList: DrawList(dc, at, {enabled ? RGB(0, 0, 128) : gray, gray}); break;
    case bkClock: DrawClock(dc, at, {enabled ? RGB(0, 0, 0) : gray, gray}); break;
    }
}

}  // namespace

bool GlyphButton::Create(HWND parent, const GlyphButtonArgs& args) {
    kind_ = args.kind;
    caption_ = args.caption;
    isDefault_ = args.isDefault;
    font_ = args.font;
    textColor_ = args.textColor;
    const RECT place{args.left, args.top, args.left + args.width, args.top + args.height};
    return CreateSubclassed(0, L"BUTTON", caption_.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place,
                            parent, args.id) != nullptr;
}

GlyphButton* GlyphButton::Of(HWND hwnd) {
    SubclassedControl* control = FromControl(hwnd);
    return control ? control->AsGlyphButton() : nullptr;
}

bool GlyphButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const GlyphButton* button = item.CtlType == ODT_BUTTON ? Of(item.hwndItem) : nullptr;
    if (!button) return false;
    button->Draw(item);
    return true;
}

bool GlyphButton::LooksDefault() const {
    const HWND focus = GetFocus();
    if (focus == hwnd()) return true;
    return isDefault_ && !(focus && GetParent(focus) == GetParent(hwnd()) && Of(focus));
}

void GlyphButton::Draw(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool enabled = !(item.itemState & ODS_DISABLED);
    RECT frame = item.rcItem;
    if (LooksDefault()) {
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&frame, -1, -1);
    }
    DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    RECT content = frame;
    InflateRect(&content, -2, -2);
    if (pushed) OffsetRect(&content, 1, 1);
    SelectGuard selectFont(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    RECT measured{};
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &measured, DT_SINGLELINE | DT_CALCRECT);
    // Picture and caption side by side, centred together.
    const int dpi = WindowDpi(hwnd());
    const int glyphSize = ScaleToDpi(kGlyphSize, dpi);
    const int spacing = ScaleToDpi(kGlyphSpacing, dpi);
    const int width = glyphSize + spacing + (measured.right - measured.left);
    const int left = content.left + (content.right - content.left - width) / 2;
    const int middle = (content.top + content.bottom) / 2;
    DrawGlyph(dc, kind_, POINT{left, middle - glyphSize / 2}, dpi, enabled);

    RECT text{left + glyphSize + spacing, content.top, content.right, content.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? textColor_ : GetSysColor(COLOR_GRAYTEXT));
    const UINT hidePrefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | hidePrefix);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = frame;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT GlyphButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: return DLGC_BUTTON | (LooksDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    // The dialog manager moves the default by restyling push buttons; this
    // one would lose its owner-drawn type, and it draws the default look
    // itself.
    case BM_SETSTYLE: return 0;
    case WM_SETFONT: return OnSetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    // An owner-drawn button reports a quick second click as a double click;
    // an ordinary push button counts it as one more click.
    case WM_LBUTTONDBLCLK: return Default(WM_LBUTTONDOWN, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return OnFocusChange(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

// The handlers below are called from the switch alone: inline, they cost
// no call of their own.
inline LRESULT GlyphButton::OnSetFont(HFONT font, bool redraw) {
    // The caption is drawn here in the font given, also a later one.
    font_ = font;
    if (redraw) InvalidateRect(hwnd(), nullptr, TRUE);
    return 0;
}

inline LRESULT GlyphButton::OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(message, wParam, lParam);
    // The default look follows the focus among the buttons.
    for (HWND sibling = GetWindow(GetParent(hwnd()), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
        if (Of(sibling)) InvalidateRect(sibling, nullptr, FALSE);
    return result;
}

}  // namespace velk
