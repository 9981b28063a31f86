#include "settings/settings_read.h"

#include <new>
#include <optional>

#include "ui/message_box.h"
#include "win/error_box.h"
#include "win/file_io.h"

namespace velk {

std::wstring SettingsPath(const std::wstring& programDir) { return programDir + L"velk.ini"; }

SettingsFault ReadSettingsFile(HWND owner, const std::wstring& path, SettingsReader who, Settings& settings) {
    std::optional<LineReader> reader = OpenLineReader(path);
    if (!reader) return SettingsFault::CannotOpen;
    try {
        settings = ReadSettings(*reader, who);
    } catch (const std::bad_alloc&) {
        ShowErrorBox(owner, L"Out of memory");
        return SettingsFault::OutOfMemory;
    }
    return SettingsFault::None;
}

void ShowUnstorableTextBox(HWND owner, const wchar_t* place, const wchar_t* number) {
    const DWORD_PTR inserts[] = {reinterpret_cast<DWORD_PTR>(place), reinterpret_cast<DWORD_PTR>(number)};
    ShowErrorBoxFormatted(owner, L"%1%2 ma znaki spoza strony kodowej 1250!", inserts);
}

}  // namespace velk
