#include "ui/form_layout.h"

#include <commctrl.h>

#include <algorithm>

#include "core/dpi_scale.h"
#include "ui/log_view.h"
#include "ui/tab_page.h"
#include "win/common_controls.h"
#include "win/handles.h"

namespace velk {

namespace {

struct WindowKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(ControlKind kind) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::Label: return {L"STATIC", child | SS_LEFT, 0};
    case ControlKind::Edit: return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Memo: return {L"EDIT", child | WS_TABSTOP | ES_MULTILINE | ES_READONLY, 0};
    case ControlKind::CheckBox: return {L"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::RadioButton: return {L"BUTTON", child | BS_AUTORADIOBUTTON, 0};
    // A group box paints only its frame and caption: transparent, it is left
    // out of its parent's clipping, and the parent paints its inside.
    case ControlKind::GroupBox: return {L"BUTTON", child | BS_GROUPBOX, WS_EX_TRANSPARENT};
    case ControlKind::Tabs: return {WC_TABCONTROLW, child | WS_CLIPSIBLINGS | WS_TABSTOP, 0};
    case ControlKind::Page: return {kTabPageClass, WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Bevel: return {L"STATIC", child | SS_ETCHEDHORZ, 0};
    case ControlKind::LogView: return {kLogViewClass, child | WS_TABSTOP | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
    case ControlKind::Custom: break;
    }
    return {nullptr, 0, 0};
}

// The width of a one-line text in the font, for labels that size themselves.
int TextWidth(HWND window, const wchar_t* text, HFONT font) {
    const ClientDc dc(window);
    if (!dc) return 0;
    const SelectGuard select(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT measured{};
    // Measured as drawn: a mnemonic's "&" takes no room.
    DrawTextW(dc.get(), text, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    return measured.right;
}

}  // namespace

bool FormControls::Create(HWND form, std::span<const ControlDesign> design, std::span<const Font> fonts, int dpi) {
    // A form created again after Destroy() starts from its table anew.
    form_ = form;
    placed_.clear();
    // Every system control of ours is the library's (themed, version 6).
    if (!UseCommonControls()) return false;
    buttons_.clear();
    RegisterTabPage();
    RegisterLogView();
    bool radioGroupOpen = false;
    for (const ControlDesign& entry : design) {
        // An entry lies in its parent's window, unless the parent is a group
        // box: group boxes only frame their controls, which are their
        // siblings, moved by the box's place.
        HWND parent = form;
        POINT offset{0, 0};
        int tabsId = 0;
        if (const Placed* enclosing = Find(entry.parent)) {
            if (enclosing->kind == ControlKind::GroupBox) {
                parent = enclosing->parent;
                offset = POINT{enclosing->bounds.left, enclosing->bounds.top};
            } else if (enclosing->kind == ControlKind::Tabs) {
                tabsId = enclosing->id;
            } else {
                parent = enclosing->window;
            }
        }
        const HFONT font = FontOf(entry, fonts);
        if (entry.kind == ControlKind::Page) {
            const Placed* tabs = Find(tabsId);
            if (!tabs) return false;
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(entry.caption);
            const int index = static_cast<int>(PagesOf(tabsId).size());
            SendMessageW(tabs->window, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        }
        const RECT bounds = PlaceOf(entry, offset, tabsId, font, dpi);

        ControlDesign placedEntry = entry;
        if (entry.kind == ControlKind::RadioButton) {
            // The first radio button of a run starts a group the arrows move in.
            if (!radioGroupOpen) placedEntry.style |= WS_GROUP | WS_TABSTOP;
            radioGroupOpen = true;
        } else {
            radioGroupOpen = false;
        }
        const HWND window = CreateOne(placedEntry, parent, bounds, font);
        if (!window) return false;
        // Windows checks an auto radio button that gets the focus and tells
        // its parent of a click, so a focus given back would run the item's
        // handler; Wine does neither.
        if (entry.kind == ControlKind::RadioButton) SendMessageW(window, BM_SETDONTCLICK, TRUE, 0);
        placed_.push_back(Placed{entry.id, window, parent, bounds, entry.kind, tabsId, &entry});
        if (entry.kind == ControlKind::Page) {
            // Above its tab control, which clips itself where the page lies.
            SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            if (PagesOf(tabsId).size() == 1) ShowWindow(window, SW_SHOW);
        }
    }
    return true;
}

HFONT FormControls::FontOf(const ControlDesign& entry, std::span<const Font> fonts) {
    return static_cast<size_t>(entry.font) < fonts.size() ? fonts[static_cast<size_t>(entry.font)].get() : nullptr;
}

RECT FormControls::PlaceOf(const ControlDesign& entry, POINT offset, int tabsId, HFONT font, int dpi) const {
    if (entry.kind == ControlKind::Page) {
        // The tab's display area, in the form's client coordinates.
        const Placed* tabs = Find(tabsId);
        RECT bounds = tabs ? tabs->bounds : RECT{};
        if (tabs) SendMessageW(tabs->window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&bounds));
        return bounds;
    }
    RECT bounds{offset.x + ScaleToDpi(entry.left, dpi), offset.y + ScaleToDpi(entry.top, dpi), 0, 0};
    bounds.right = bounds.left + ScaleToDpi(entry.width, dpi);
    bounds.bottom = bounds.top + ScaleToDpi(entry.height, dpi);
    if (entry.kind == ControlKind::Label && entry.width == 0)
        bounds.right = bounds.left + TextWidth(form_, entry.caption, font);
    return bounds;
}

void FormControls::Rescale(std::span<const Font> fonts, int dpi) {
    // In creation order: an enclosing entry has its new place before the
    // entries it encloses.
    for (Placed& placed : placed_) {
        const ControlDesign& entry = *placed.design;
        POINT offset{0, 0};
        if (const Placed* enclosing = Find(entry.parent); enclosing && enclosing->kind == ControlKind::GroupBox)
            offset = POINT{enclosing->bounds.left, enclosing->bounds.top};
        const HFONT font = FontOf(entry, fonts);
        placed.bounds = PlaceOf(entry, offset, placed.tabsId, font, dpi);
        if (placed.kind == ControlKind::Custom) continue;
        const RECT& b = placed.bounds;
        SetWindowPos(placed.window, nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (font) SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

HWND FormControls::CreateOne(const ControlDesign& entry, HWND parent, const RECT& bounds, HFONT font) {
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (entry.kind == ControlKind::Custom) return parent;  // only the place is kept
    if (entry.kind == ControlKind::Button) {
        GlyphButtonArgs args;
        args.id = entry.id;
        args.kind = entry.glyph;
        args.caption = entry.caption;
        args.left = bounds.left;
        args.top = bounds.top;
        args.width = width;
        args.height = height;
        args.isDefault = (entry.style & BS_DEFPUSHBUTTON) != 0;
        args.font = font;
        auto button = std::make_unique<GlyphButton>();
        if (!button->Create(parent, args)) return nullptr;
        buttons_.push_back(std::move(button));
        return buttons_.back()->hwnd();
    }
    const WindowKind kind = KindOf(entry.kind);
    const HWND window = CreateWindowExW(kind.exStyle, kind.windowClass, entry.caption, kind.style | entry.style,
                                        bounds.left, bounds.top, width, height, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                                        GetModuleHandleW(nullptr), nullptr);
    if (window && font) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

const FormControls::Placed* FormControls::Find(int id) const {
    if (id == 0) return nullptr;
    const auto found = std::find_if(placed_.begin(), placed_.end(), [id](const Placed& p) { return p.id == id; });
    return found == placed_.end() ? nullptr : &*found;
}

HWND FormControls::operator[](int id) const {
    const Placed* placed = Find(id);
    return placed && placed->kind != ControlKind::Custom ? placed->window : nullptr;
}

HWND FormControls::ParentOf(int id) const {
    const Placed* placed = Find(id);
    return placed ? placed->parent : nullptr;
}

RECT FormControls::BoundsOf(int id) const {
    const Placed* placed = Find(id);
    return placed ? placed->bounds : RECT{};
}

std::vector<HWND> FormControls::PagesOf(int tabsId) const {
    std::vector<HWND> pages;
    for (const Placed& placed : placed_)
        if (placed.kind == ControlKind::Page && placed.tabsId == tabsId) pages.push_back(placed.window);
    return pages;
}

void FormControls::SelectPage(int tabsId, int index) {
    const Placed* tabs = Find(tabsId);
    const std::vector<HWND> pages = PagesOf(tabsId);
    if (!tabs || index < 0 || static_cast<size_t>(index) >= pages.size()) return;
    SendMessageW(tabs->window, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    // The focus must not stay on a control of a page going out of sight.
    const HWND focus = GetFocus();
    for (size_t page = 0; page < pages.size(); ++page) {
        if (static_cast<int>(page) == index) continue;
        if (focus && IsChild(pages[page], focus)) SetFocus(tabs->window);
        ShowWindow(pages[page], SW_HIDE);
    }
    ShowWindow(pages[static_cast<size_t>(index)], SW_SHOW);
}

int FormControls::PageIndex(int tabsId) const {
    const Placed* tabs = Find(tabsId);
    return tabs ? static_cast<int>(SendMessageW(tabs->window, TCM_GETCURSEL, 0, 0)) : -1;
}

bool FormControls::OnNotify(const NMHDR& header) {
    if (header.code != TCN_SELCHANGE) return false;
    const Placed* tabs = Find(static_cast<int>(header.idFrom));
    if (!tabs || tabs->kind != ControlKind::Tabs) return false;
    SelectPage(tabs->id, PageIndex(tabs->id));
    return true;
}

bool FormControls::CyclePages(bool backwards) {
    const auto tabs = std::find_if(placed_.begin(), placed_.end(),
                                   [](const Placed& p) { return p.kind == ControlKind::Tabs; });
    if (tabs == placed_.end()) return false;
    const int count = static_cast<int>(PagesOf(tabs->id).size());
    if (count == 0) return false;
    const int next = (PageIndex(tabs->id) + (backwards ? count - 1 : 1)) % count;
    SelectPage(tabs->id, next);
    return true;
}

}  // namespace velk
