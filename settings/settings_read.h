#pragma once
// velk.ini in the program's folder, read whole by one of its readers: the
// one sequence of the panel's load, the dialog's showing and a drop.
#include <windows.h>

#include <string>

#include "settings/settings_file.h"

namespace velk {

enum class SettingsFault { None, CannotOpen, OutOfMemory };

// The settings file of the program's folder (with its trailing backslash).
std::wstring SettingsPath(const std::wstring& programDir);

// Reads the file at path into settings. A line too long for memory shows
// owner the "Out of memory" box and gives OutOfMemory; a file that cannot
// be opened gives CannotOpen, for the caller's own box. The file is closed
// again on return.
SettingsFault ReadSettingsFile(HWND owner, const std::wstring& path, SettingsReader who, Settings& settings);

// The failure's box of a text that the settings file cannot hold
// (win/text.h), naming the place where it stands and its number, if it has
// one ("Linia " and "3").
void ShowUnstorableTextBox(HWND owner, const wchar_t* place, const wchar_t* number);

}  // namespace velk
