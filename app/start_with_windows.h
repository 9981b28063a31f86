#pragma once
// The panel's "Uruchamiaj razem z Windows": a shortcut to this velk.exe in
// the user's Startup folder, named for the program's folder
// (core/startup_entry.h). Nothing else outside that folder is written, and
// Task Manager's switch for the shortcut is only read.
#include <windows.h>

#include <string>

#include "core/startup_entry.h"

namespace velk {

class StartWithWindows {
public:
    explicit StartWithWindows(const std::wstring& programDir) : programDir_(programDir) {}

    // Looks at the shortcut and Task Manager's switch; the menu item shows
    // the answer and, when chosen, acts on it.
    StartupState Read();
    // Removes a shortcut that is set, writes one that is not (also over one
    // that starts a moved copy), and for one turned off in Task Manager
    // writes nothing and says where to turn it on.
    void Toggle(HWND owner) const;

private:
    const std::wstring& programDir_;
    std::wstring link_;  // the shortcut's full path, empty without a Startup folder
    wchar_t program_[MAX_PATH];  // this velk.exe, once read
    StartupState state_ = StartupState::NotSet;
};

}  // namespace velk
