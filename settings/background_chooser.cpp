#include "settings/background_chooser.h"

#include <new>
#include <optional>

#include "settings/open_dialog_texts.h"
#include "ui/message_box.h"
#include "ui/picture.h"
#include "win/back_buffer.h"
#include "win/exception.h"
#include "win/fonts.h"
#include "win/stored_color.h"

namespace velk {

namespace {

// The sample texts' places over the preview.
constexpr POINT kActiveSampleAt{30, 8};
constexpr POINT kInactiveSampleAt{22, 24};
constexpr wchar_t kActiveSample[] = L"Napis aktywny";
constexpr wchar_t kInactiveSample[] = L"Napis nieaktywny";

const wchar_t* SampleText(BackgroundChooser::Sample sample) {
    return sample == BackgroundChooser::Sample::Active ? kActiveSample : kInactiveSample;
}

}  // namespace

void BackgroundChooser::Attach(HWND owner, HWND preview) {
    owner_ = owner;
    preview_ = preview;
}

void BackgroundChooser::SetDpi(int dpi) {
    dpi_ = dpi;
    sampleFont_ = MakeFont(ScaleToDpi(12, dpi), FW_BOLD, false, EASTEUROPE_CHARSET, L"Arial");
}

inline bool BackgroundChooser::ChooseOwnColor() {
    const std::optional<COLORREF> chosen = colorDialog_.Run(owner_);
    if (!chosen) return false;
    edited_.BackgroundColor = static_cast<int32_t>(*chosen);
    ShowShape(edited_.BackgroundColor);
    return true;
}

bool BackgroundChooser::Choose(Item item) {
    switch (item) {
    case Item::DesktopColor: ShowShape(kDesktopColor); return true;
    case Item::OtherColor: return ChooseOwnColor();
    case Item::StretchedPicture:
    case Item::TiledPicture: break;
    }
    const std::optional<std::wstring> path = ChooseFileToOpen(owner_, kOpenTitle, kPictureFilter);
    if (!path) return false;
    try {
        if (item == Item::StretchedPicture)
            ShowStretchedPicture(*path);
        else
            ShowTiledPicture(*path);
    } catch (const Exception& error) {
        ShowErrorBox(owner_, error.Message());
        return false;
    }
    edited_.PicturePath = *path;
    return true;
}

void BackgroundChooser::ChooseSampleColor(Sample sample) {
    const std::optional<COLORREF> chosen = colorDialog_.Run(owner_);
    if (!chosen) return;
    int32_t& color = sample == Sample::Active ? edited_.ActiveColor : edited_.InactiveColor;
    color = static_cast<int32_t>(*chosen);
    Redraw();
}

void BackgroundChooser::SetSampleColors(int32_t active, int32_t inactive) {
    edited_.ActiveColor = active;
    edited_.InactiveColor = inactive;
    Redraw();
}

void BackgroundChooser::ShowShape(int32_t color) {
    previewKind_ = PreviewKind::Shape;
    previewColor_ = color;
    Redraw();
}

void BackgroundChooser::ShowStretchedPicture(const std::wstring& path) {
    const Picture picture = Picture::FromFile(path);
    ShowPicture([&](HDC dc, const RECT& area) { picture.DrawStretched(dc, area); });
}

void BackgroundChooser::ShowTiledPicture(const std::wstring& path) {
    // Drawn as a bitmap whatever the file: a metafile is refused here.
    const Picture bitmap = Picture::BitmapFromFile(path);
    ShowPicture([&](HDC dc, const RECT& area) {
        bitmap.DrawCopies(dc, TileOrigins(bitmap.Width(), bitmap.Height(), area.right, area.bottom));
    });
}

void BackgroundChooser::ShowPicture(const std::function<void(HDC, const RECT&)>& draw) {
    // At the preview's size on this display, which the dialog's scale sets.
    RECT area{};
    GetClientRect(preview_, &area);
    const ClientDc screen(nullptr);
    Bitmap rendered(CreateCompatibleBitmap(screen.get(), area.right, area.bottom));
    const MemoryDc dc(CreateCompatibleDC(screen.get()));
    if (!rendered || !dc) throw std::bad_alloc();
    {
        const SelectGuard select(dc.get(), rendered.get());
        FillRect(dc.get(), &area, GetSysColorBrush(COLOR_BTNFACE));
        draw(dc.get(), area);
    }
    previewPicture_ = std::move(rendered);
    previewPictureSize_ = SIZE{area.right, area.bottom};
    previewKind_ = PreviewKind::Picture;
    Redraw();
}

void BackgroundChooser::Redraw() const { InvalidateRect(preview_, nullptr, FALSE); }

RECT BackgroundChooser::SampleBounds(Sample sample) const {
    const POINT design = sample == Sample::Active ? kActiveSampleAt : kInactiveSampleAt;
    const POINT at{ScaleToDpi(design.x, dpi_), ScaleToDpi(design.y, dpi_)};
    const ClientDc dc(preview_);
    RECT bounds{at.x, at.y, at.x, at.y};
    if (!dc) return bounds;
    const SelectGuard select(dc.get(), sampleFont_.get());
    RECT measured{};
    DrawTextW(dc.get(), SampleText(sample), -1, &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    bounds.right += measured.right;
    bounds.bottom += measured.bottom;
    return bounds;
}

BackgroundChooser::Sample BackgroundChooser::SampleAtCursor() const {
    const DWORD position = GetMessagePos();
    POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(preview_, &at);
    for (const Sample sample : {Sample::Active, Sample::Inactive}) {
        const RECT bounds = SampleBounds(sample);
        if (PtInRect(&bounds, at)) return sample;
    }
    return Sample::None;
}

void BackgroundChooser::Draw(const DRAWITEMSTRUCT& item) const {
    const RECT& area = item.rcItem;
    BackBuffer buffer(item.hDC, area);
    if (!buffer) return;
    const HDC dc = buffer.dc();
    if (previewKind_ == PreviewKind::Picture && previewPicture_) {
        const MemoryDc source(CreateCompatibleDC(dc));
        if (!source) return;
        const SelectGuard select(source.get(), previewPicture_.get());
        // Stretched only when the dialog's scale changed since the choice.
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(), 0, 0,
                   previewPictureSize_.cx, previewPictureSize_.cy, SRCCOPY);
    } else {
        // A rectangle with a black outline, as a shape is drawn.
        const SelectGuard pen(dc, GetStockObject(BLACK_PEN));
        const SelectGuard brush(dc, GetStockObject(DC_BRUSH));
        SetDCBrushColor(dc, ResolveColor(previewColor_));
        Rectangle(dc, area.left, area.top, area.right, area.bottom);
    }
    const SelectGuard font(dc, sampleFont_.get());
    SetBkMode(dc, TRANSPARENT);
    for (const Sample sample : {Sample::Active, Sample::Inactive}) {
        RECT bounds = SampleBounds(sample);
        SetTextColor(dc, ResolveColor(sample == Sample::Active ? edited_.ActiveColor : edited_.InactiveColor));
        DrawTextW(dc, SampleText(sample), -1, &bounds, DT_SINGLELINE | DT_NOPREFIX);
    }
    buffer.CopyTo(item.hDC);
}

}  // namespace velk
