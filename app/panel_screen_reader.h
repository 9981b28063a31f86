#pragma once
// The panel to a screen reader: a list "=VELK=" whose children are the used
// lines with their shown texts, clock and date as static texts, "Otwórz" for
// the lines that run something. Focus and name changes are told as they come,
// the seconds clock's at most once a minute.
#include <windows.h>

#include <vector>

#include "app/panel_keyboard.h"
#include "app/shortcut_lines.h"
#include "ui/accessible_list.h"

namespace velk {

class PanelScreenReader : private AccessibleListSource {
public:
    // A line run on the reader's request is posted to the window as this
    // message, with the line in wParam: it runs once the reader's call has
    // returned.
    PanelScreenReader(const ShortcutLines& lines, PanelKeyboard& keyboard, UINT runLineMessage)
        : lines_(lines), keyboard_(keyboard), runLineMessage_(runLineMessage) {}
    PanelScreenReader(const PanelScreenReader&) = delete;
    PanelScreenReader& operator=(const PanelScreenReader&) = delete;

    // The list of the window, from its creation to its WM_DESTROY.
    void Attach(HWND window);
    void Release();
    // True for a WM_GETOBJECT this list answers; Answer gives the result.
    bool Answers(LPARAM objectId) const;
    LRESULT Answer(WPARAM wParam) { return accessible_->Answer(wParam); }

    void TellFocus() const;
    void TellNameChange(int line);

private:
    std::vector<int> UsedLines() const;
    // The list's child id of a line, CHILDID_SELF for none.
    int ChildOfLine(int line) const;
    std::vector<AccessibleItem> AccessibleItems() const override;
    int AccessibleFocus() const override;
    void AccessibleSelect(int item) override;
    void AccessibleDoDefaultAction(int item) override;

    const ShortcutLines& lines_;
    PanelKeyboard& keyboard_;
    const UINT runLineMessage_;
    HWND window_ = nullptr;
    AccessibleList* accessible_ = nullptr;  // one reference ours
    bool clockNewsTold_ = false;
    DWORD lastClockNews_ = 0;
};

}  // namespace velk
