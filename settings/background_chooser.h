#pragma once
// The dialog's choice of the panel's background and its preview: the colour
// or picture the user picks, the preview drawn from its own copy of the
// picture, and the two sample texts over it in the colours the user gives
// them by clicking them.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "core/dpi_scale.h"
#include "settings/settings_file.h"
#include "ui/common_dialogs.h"
#include "win/handles.h"

namespace velk {

class BackgroundChooser {
public:
    // rg_Tlo's items, in their order.
    enum class Item { DesktopColor, OtherColor, StretchedPicture, TiledPicture };
    enum class Sample { None, Active, Inactive };

    // The values the dialog saves, kept while it is hidden between showings.
    struct Values {
        int32_t ActiveColor = kDesignActiveColor;      // "Napis aktywny"
        int32_t InactiveColor = kDesignInactiveColor;  // "Napis nieaktywny"
        int32_t BackgroundColor = 0;
        std::wstring PicturePath;
    };

    // The dialog, owner of the common dialogs and the messages, and the
    // owner-drawn control that shows the preview.
    void Attach(HWND owner, HWND preview);
    // The samples' font and places at the dialog's dpi.
    void SetDpi(int dpi);

    // The user chose an item: the colour or picture dialog runs as the item
    // asks and the preview shows the choice. False when the choice does not
    // hold: a dialog cancelled, or a picture that cannot be shown (told
    // first; its path is not kept).
    bool Choose(Item item);
    // The colour dialog for a sample text; a cancel leaves its colour.
    void ChooseSampleColor(Sample sample);
    // The sample text under the cursor of the message being handled.
    Sample SampleAtCursor() const;
    void Draw(const DRAWITEMSTRUCT& item) const;

    const Values& Edited() const { return edited_; }
    // The file's values; only the samples are drawn anew: the background
    // preview keeps what it shows until the user chooses an item.
    void SetSampleColors(int32_t active, int32_t inactive);
    void SetBackgroundColor(int32_t color) { edited_.BackgroundColor = color; }
    void SetPicturePath(std::wstring path) { edited_.PicturePath = std::move(path); }

private:
    enum class PreviewKind { Shape, Picture };

    void ShowShape(int32_t color);
    // The colour dialog for "Inny kolor"; false when the user cancels.
    bool ChooseOwnColor();
    void ShowStretchedPicture(const std::wstring& path);
    void ShowTiledPicture(const std::wstring& path);
    // The preview's own copy of a picture, drawn once at the preview's size.
    void ShowPicture(const std::function<void(HDC, const RECT&)>& draw);
    RECT SampleBounds(Sample sample) const;
    void Redraw() const;

    HWND owner_ = nullptr;
    HWND preview_ = nullptr;
    int dpi_ = kDesignDpi;
    Font sampleFont_;
    ColorDialog colorDialog_;  // one for the background and both samples
    Values edited_;
    PreviewKind previewKind_ = PreviewKind::Shape;
    int32_t previewColor_ = 0xC0C0C0;  // silver at design
    Bitmap previewPicture_;
    SIZE previewPictureSize_{};
};

}  // namespace velk
