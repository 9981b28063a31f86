#include "ui/popup_menu.h"

#include <string>

#include "win/text.h"

namespace velk {

namespace {

std::wstring KeyName(WORD key) {
    if (key >= VK_F1 && key <= VK_F24) return L"F" + FromCp1250(std::to_string(key - VK_F1 + 1));
    return std::wstring(1, static_cast<wchar_t>(key));
}

std::wstring ShortcutText(Shortcut shortcut) {
    std::wstring text;
    if (shortcut.modifiers & FCONTROL) text += L"Ctrl+";
    if (shortcut.modifiers & FSHIFT) text += L"Shift+";
    if (shortcut.modifiers & FALT) text += L"Alt+";
    return text + KeyName(shortcut.key);
}

}  // namespace

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

void PopupMenu::AddItem(UINT id, const wchar_t* caption, Shortcut shortcut) {
    std::wstring text = caption;
    if (shortcut.key) {
        text += L"\t" + ShortcutText(shortcut);
        accelerators_.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | shortcut.modifiers), shortcut.key,
                                      static_cast<WORD>(id)});
    }
    AppendMenuW(menu_.get(), MF_STRING, id, text.c_str());
}

void PopupMenu::AddSeparator() { AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr); }

void PopupMenu::AddSubmenu(PopupMenu&& submenu, const wchar_t* caption) {
    accelerators_.insert(accelerators_.end(), submenu.accelerators_.begin(), submenu.accelerators_.end());
    // Once appended the submenu is destroyed with this menu.
    AppendMenuW(menu_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.menu_.release()), caption);
}

void PopupMenu::EnableAt(UINT position, bool enabled) {
    EnableMenuItem(menu_.get(), position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool PopupMenu::IsEnabledAt(UINT position) const {
    return !(GetMenuState(menu_.get(), position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
}

void PopupMenu::Track(HWND owner, POINT screenPoint) const {
    // The owner must be foreground, or the menu stays open after a click
    // elsewhere.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

AcceleratorTable MakeAcceleratorTable(const std::vector<ACCEL>& accelerators) {
    std::vector<ACCEL> copy = accelerators;
    return AcceleratorTable(CreateAcceleratorTableW(copy.data(), static_cast<int>(copy.size())));
}

}  // namespace velk
