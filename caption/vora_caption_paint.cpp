// The caption bar's painting: composed in one off-screen bitmap and copied
// onto the window with one BitBlt; the system paints the rest of the frame.
#include <algorithm>
#include <string>

#include "caption/gradient.h"
#include "caption/vora_caption.h"
#include "ui/application.h"
#include "win/back_buffer.h"
#include "win/handles.h"
#include "win/rect.h"
#include "win/stored_color.h"
#include "win/window_text.h"

namespace velk {

using namespace caption;

namespace {

Rgb RgbOf(TColor color) {
    const COLORREF value = ResolveColor(color);
    return {GetRValue(value), GetGValue(value), GetBValue(value)};
}

constexpr UINT kTextFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;

}  // namespace

void TVoraCaption::PaintCaption(bool active) {
    UpdateLayout();
    const Rect& bar = FLayout.captionRect;
    // No bar to paint: a form without a caption, or a window narrower than
    // its own frame. A hidden form's bar is painted when it is shown; the
    // start-up sets every caption's properties while the forms are hidden.
    if (!FFormHandle || bar.IsEmpty() || !IsWindowVisible(FFormHandle)) return;
    const WindowDc window(FFormHandle);
    if (!window) return;
    // The bitmap spans from the window's origin, so that everything is drawn
    // in window coordinates.
    const BackBuffer buffer(window.get(), RECT{0, 0, bar.right, bar.bottom});
    if (!buffer) return;
    PaintGradient(buffer.dc(), active);
    PaintIcon(buffer.dc());
    PaintTexts(buffer.dc(), active);
    for (TSystemButtonKind kind : kButtonOrder)
        if (FButtons[kind]->Visible()) FButtons[kind]->DrawButton(buffer.dc());
    BitBlt(window.get(), bar.left, bar.top, bar.Width(), bar.Height(), buffer.dc(), bar.left, bar.top, SRCCOPY);
}

void TVoraCaption::PaintGradient(HDC dc, bool active) const {
    const Rect& bar = FLayout.captionRect;
    const Rgb begin = RgbOf(active ? FActiveBeginColor : FInactiveBeginColor);
    const Rgb end = RgbOf(active ? FActiveEndColor : FInactiveEndColor);
    for (const Band& band : GradientBands(begin, end, FNumColors, bar.left, bar.Width())) {
        const Brush brush(CreateSolidBrush(RGB(band.color.red, band.color.green, band.color.blue)));
        if (!brush) continue;
        const SelectGuard select(dc, brush.get());
        PatBlt(dc, band.left, bar.top, band.right - band.left, bar.Height(), PATCOPY);
    }
}

HICON TVoraCaption::FormIcon() const {
    auto icon = reinterpret_cast<HICON>(SendMessageW(FFormHandle, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(FFormHandle, GCLP_HICON));
    const Application* application = Application::Current();
    if (!icon && application && application->Handle())
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(application->Handle(), GCLP_HICON));
    // The system's own icon is shared: it is never destroyed.
    return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

HICON TVoraCaption::IconCopy(const Rect& target) {
    const HICON source = FormIcon();
    if (!FIconCopy.Copy || FIconCopy.Source != source || FIconCopy.Width != target.Width() ||
        FIconCopy.Height != target.Height()) {
        FIconCopy.Copy = Icon(static_cast<HICON>(
            CopyImage(source, IMAGE_ICON, target.Width(), target.Height(), LR_COPYFROMRESOURCE)));
        FIconCopy.Source = source;
        FIconCopy.Width = target.Width();
        FIconCopy.Height = target.Height();
    }
    return FIconCopy.Copy.get();
}

void TVoraCaption::PaintIcon(HDC dc) {
    const Rect& area = FLayout.iconRect;
    const Rect target{area.left + 2, area.top + 1, area.right, area.bottom - 1};
    // An empty size would ask CopyImage for the icon's own.
    if (area.IsEmpty() || target.IsEmpty()) return;
    if (const HICON copy = IconCopy(target)) DrawIconEx(dc, target.left, target.top, copy, 0, 0, 0, nullptr, DI_NORMAL);
}

void TVoraCaption::PaintTexts(HDC dc, bool active) {
    const COLORREF oldColor = SetTextColor(dc, ResolveColor(active ? FActiveFontColor : FInactiveFontColor));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT area = ToRECT(FLayout.textRect);
    const auto heightOf = [&](const TCaptionFont& font) {
        return FAutoSize ? AutoSizeFontHeight(FLayout.textRect.Height()) : font.Height;
    };
    if (!FApplicationName.empty()) {
        const SelectGuard select(dc, FApplicationNameFontObject.Get(FApplicationNameFont, heightOf(FApplicationNameFont)));
        RECT measured{area.left, area.top, area.left, area.bottom};
        const int length = static_cast<int>(FApplicationName.size());
        DrawTextW(dc, FApplicationName.c_str(), length, &measured, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        DrawTextW(dc, FApplicationName.c_str(), length, &area, kTextFormat);
        // The caption text follows the name directly, within the area.
        area.left = std::min(measured.right, area.right);
    }
    const std::wstring text = WindowText(FFormHandle);
    {
        const SelectGuard select(dc, FCaptionFontObject.Get(FCaptionFont, heightOf(FCaptionFont)));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat);
    }
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
}

LRESULT TVoraCaption::OnNcPaint(WPARAM wParam, LPARAM lParam) {
    // The system paints first: the frame and everything else in the update
    // region, but not the bar (the region handed on is the update region, or
    // the whole window for wParam 0 or 1, without the bar, in screen
    // coordinates). The bar is painted last, over anything of the system's.
    UpdateLayout();
    RECT window{};
    GetWindowRect(FFormHandle, &window);
    const Region rest(CreateRectRgnIndirect(&window));
    const Rect& bar = FLayout.captionRect;
    const Region barRegion(
        CreateRectRgn(window.left + bar.left, window.top + bar.top, window.left + bar.right, window.top + bar.bottom));
    if (rest && barRegion) {
        if (wParam > 1) CombineRgn(rest.get(), reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY);
        CombineRgn(rest.get(), rest.get(), barRegion.get(), RGN_DIFF);
        wParam = reinterpret_cast<WPARAM>(rest.get());
    }
    const LRESULT result = CallOldWndProc(WM_NCPAINT, wParam, lParam);
    PaintCaption(IsFormActive());
    FFramePainted = true;
    return result;
}

}  // namespace velk
