#pragma once
// A form's controls as design data: one entry a control, at 96 dpi, in the
// coordinates of the entry that encloses it (a group box or a tab page) or
// of the form. One routine creates them all, in the table's order, which is
// also the tab order; each form keeps its table beside its class, where it
// reads as the form's layout at a glance.
#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/glyph_button.h"
#include "win/handles.h"
#include "win/window_text.h"

namespace velk {

enum class ControlKind {
    Label,        // STATIC text, "&" marking its mnemonic; a width of 0 takes the width of its text
    Edit,         // single-line EDIT with a sunken edge
    Memo,         // read-only multi-line EDIT
    CheckBox,
    RadioButton,  // the first of a run starts a group
    GroupBox,     // encloses the entries that name it as their parent
    Button,       // a push button with its kind's picture (GlyphButton)
    Tabs,         // a tab control; its pages are the Page entries that name it
    Page,         // one tab: its caption is the tab's text, its place the tab's display area
    Bevel,        // an etched line along the entry's top edge
    LogView,      // the view of many lines (ui/log_view.h)
    Custom,       // a place kept for a control the form creates itself
};

struct ControlDesign {
    ControlKind kind;
    int id;
    int parent;  // id of the enclosing entry; 0 for the form itself
    int left, top, width, height;
    const wchar_t* caption = L"";
    int font = 0;     // index into the form's fonts
    DWORD style = 0;  // styles beyond the kind's own (BS_DEFPUSHBUTTON: the default button)
    ButtonKind glyph = bkOK;
};

// One of a form's fonts, its character height in pixels at 96 dpi.
struct FontDesign {
    int height;
    int weight;
    DWORD charset;
    const wchar_t* face;
    bool italic = false;
};

// The whole text of a control (the forms' name for WindowText).
inline std::wstring ControlText(HWND control) { return WindowText(control); }

class FormControls {
public:
    // Creates every control of the design; false when one of them fails.
    // Positions and sizes are scaled from 96 dpi to dpi.
    bool Create(HWND form, std::span<const ControlDesign> design, std::span<const Font> fonts, int dpi);

    // Moves and sizes every control for another dpi and gives it its font
    // from the form's fonts made anew for that dpi.
    void Rescale(std::span<const Font> fonts, int dpi);

    // The control with this id, or null.
    HWND operator[](int id) const;
    // Where a Custom entry lies: its window's parent and its rectangle
    // there, scaled.
    HWND ParentOf(int id) const;
    RECT BoundsOf(int id) const;

    // Shows the page of the tab control with this index and hides the
    // others; the tab control's selection follows.
    void SelectPage(int tabsId, int index);
    int PageIndex(int tabsId) const;
    // The tab control's notifications: a change of tab shows its page.
    bool OnNotify(const NMHDR& header);
    // Ctrl+Tab / Ctrl+Shift+Tab: the next or previous page of the first
    // tab control; true when the form has one.
    bool CyclePages(bool backwards);

private:
    struct Placed {
        int id;
        HWND window;
        HWND parent;
        RECT bounds;  // in the parent's client area
        ControlKind kind;
        int tabsId;  // pages: their tab control
        const ControlDesign* design;  // the entry in the form's table, which outlives the form
    };
    static HFONT FontOf(const ControlDesign& entry, std::span<const Font> fonts);
    RECT PlaceOf(const ControlDesign& entry, POINT offset, int tabsId, HFONT font, int dpi) const;
    const Placed* Find(int id) const;
    HWND CreateOne(const ControlDesign& entry, HWND parent, const RECT& bounds, HFONT font);
    std::vector<HWND> PagesOf(int tabsId) const;

    HWND form_ = nullptr;
    std::vector<Placed> placed_;
    std::vector<std::unique_ptr<GlyphButton>> buttons_;
};

}  // namespace velk
