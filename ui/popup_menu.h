#pragma once
// Building popup menus whose items show their keyboard shortcut, and the
// accelerator table that makes those shortcuts work without the menu.
#include <windows.h>

#include <vector>

#include "win/handles.h"

namespace velk {

struct Shortcut {
    BYTE modifiers = 0;  // FCONTROL, FALT, FSHIFT
    WORD key = 0;        // virtual key
};

class PopupMenu {
public:
    PopupMenu();
    HMENU handle() const { return menu_.get(); }

    // Appends a command item; the shortcut, if any, is shown right-aligned
    // beside the caption and added to the accelerator table.
    void AddItem(UINT id, const wchar_t* caption, Shortcut shortcut = {});
    void AddSeparator();
    // Appends a submenu built by the caller; the menu takes ownership.
    void AddSubmenu(PopupMenu&& submenu, const wchar_t* caption);
    // Enables or grays the item at a position (a submenu has no command id).
    void EnableAt(UINT position, bool enabled);
    bool IsEnabledAt(UINT position) const;

    // The shortcuts of this menu and of its submenus.
    const std::vector<ACCEL>& Accelerators() const { return accelerators_; }

    // Shows the menu at a screen point; the chosen item reaches owner as
    // WM_COMMAND.
    void Track(HWND owner, POINT screenPoint) const;

private:
    Menu menu_;
    std::vector<ACCEL> accelerators_;
};

AcceleratorTable MakeAcceleratorTable(const std::vector<ACCEL>& accelerators);

}  // namespace velk
