#include "app/start_with_windows.h"

#include <cstdint>

#include "ui/message_box.h"
#include "win/shell_link.h"

namespace velk {

StartupState StartWithWindows::Read() {
    state_ = StartupState::NotSet;
    wchar_t folder[MAX_PATH];
    if (!StartupFolder(folder)) {
        link_.clear();
        return state_;
    }
    GetModuleFileNameW(nullptr, program_, MAX_PATH);
    const size_t name = StartupLinkPath(folder, programDir_, link_);
    // Task Manager's switch is read only: its format is undocumented.
    uint8_t value[64];
    DWORD size = sizeof value;
    const bool turnedOff =
        RegGetValueW(HKEY_CURRENT_USER,
                     L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder",
                     link_.c_str() + name, RRF_RT_REG_BINARY, nullptr, value, &size) == ERROR_SUCCESS &&
        size > 0 && TurnedOffInTaskManager(value[0]);
    const bool exists = GetFileAttributesW(link_.c_str()) != INVALID_FILE_ATTRIBUTES;
    state_ = StartupStateOf(exists, exists && LinkStarts(link_.c_str(), program_), turnedOff);
    return state_;
}

void StartWithWindows::Toggle(HWND owner) const {
    if (link_.empty()) return;
    switch (state_) {
    case StartupState::Set: DeleteFileW(link_.c_str()); return;
    case StartupState::NotSet: SaveLink(link_.c_str(), program_, programDir_.c_str()); return;
    case StartupState::TurnedOff:
        MessageBoxW(owner,
                    L"Wyłączono to w Menedżerze zadań: włącz VELK na karcie Uruchamianie.",
                    kInformationTitle, MB_OK);
        return;
    }
}

}  // namespace velk
