#pragma once
// Starting with Windows: a shortcut in the user's Startup folder, named for
// the program's folder, and what Task Manager's switch for it means. No
// Windows header: tested natively.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velk {

// The full path of the shortcut in the Startup folder for the program's
// folder (given with its trailing backslash), into link:
// "...\VELK (C - Programy - velk).lnk", so that two panels in two folders
// keep two shortcuts and each says whose it is. Returns where the
// shortcut's name starts in it.
size_t StartupLinkPath(std::wstring_view startupFolder, std::wstring_view programFolder, std::wstring& link);

// Task Manager keeps its switch for a Startup-folder shortcut in a value
// named like the shortcut (HKCU\...\Explorer\StartupApproved\StartupFolder).
// Its format is undocumented: only the first byte is read, and an odd one
// means the user turned the entry off.
constexpr bool TurnedOffInTaskManager(uint8_t firstByte) { return (firstByte & 1) != 0; }

enum class StartupState { NotSet, Set, TurnedOff };
// The check mark's truth: the shortcut exists and starts this very
// velk.exe, and Task Manager has not turned it off. One that starts a moved
// copy is not set, so that ticking it makes it right.
constexpr StartupState StartupStateOf(bool linkExists, bool startsThisProgram, bool turnedOff) {
    if (!linkExists) return StartupState::NotSet;
    if (turnedOff) return StartupState::TurnedOff;
    return startsThisProgram ? StartupState::Set : StartupState::NotSet;
}

}  // namespace velk
