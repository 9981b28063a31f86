#pragma once
// Push buttons of the OK, help and abort kinds, and two of the settings
// dialog's own (a list, a clock), each with a small picture drawn in code
// beside its caption. They are owner-drawn, yet keep the
// keyboard of ordinary push buttons: the caption's mnemonic, Space on the
// focused button and Enter on the default one (the form answering through
// DialogKeys).
#include <windows.h>

#include <string>

#include "ui/subclass.h"

namespace velk {

enum ButtonKind { bkOK, bkHelp, bkAbort, bkList, bkClock };

struct GlyphButtonArgs {
    int id = 0;
    ButtonKind kind = bkOK;
    const wchar_t* caption = L"";
    int left = 0;
    int top = 0;
    int width = 75;
    int height = 25;
    bool isDefault = false;  // pressed by Enter while no other button has the focus
    HFONT font = nullptr;    // owned by the form, alive as long as the button
    COLORREF textColor = RGB(0, 0, 0);
};

class GlyphButton final : public SubclassedControl {
public:
    bool Create(HWND parent, const GlyphButtonArgs& args);
    GlyphButton* AsGlyphButton() override { return this; }

    // The parent's WM_DRAWITEM: draws the item when it is a glyph button and
    // says whether it was one.
    static bool DrawItem(const DRAWITEMSTRUCT& item);

private:
    static GlyphButton* Of(HWND hwnd);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSetFont(HFONT font, bool redraw);
    LRESULT OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam);

    void Draw(const DRAWITEMSTRUCT& item) const;
    // Framed as the default: the focused button, or the default one while
    // the focus is on no other button.
    bool LooksDefault() const;

    ButtonKind kind_ = bkOK;
    std::wstring caption_;
    bool isDefault_ = false;
    HFONT font_ = nullptr;
    COLORREF textColor_ = RGB(0, 0, 0);
};

}  // namespace velk
