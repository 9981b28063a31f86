// What the panel does with the shell's files: files dropped on it become
// shortcuts, and its menu item puts a shortcut to it in the Startup folder.
#include <optional>

#include "app/drop_slots.h"
#include "app/main_form.h"
#include "ui/message_box.h"
#include "win/dropped_files.h"
#include "win/file_io.h"
#include "win/text.h"

namespace velk {

LRESULT Tf_main::OnInitMenuPopup(WPARAM wParam, LPARAM lParam) {
    const auto menu = reinterpret_cast<HMENU>(wParam);
    if (menu == PopupMenu1.handle())
        CheckMenuItem(menu, kStartupCommand,
                      startup_.Read() == StartupState::Set ? MF_BYCOMMAND | MF_CHECKED : MF_BYCOMMAND | MF_UNCHECKED);
    return DefaultHandling(WM_INITMENUPOPUP, wParam, lParam);
}

void Tf_main::Uruchamiajrazemzwindows1Click() { startup_.Toggle(hwnd()); }

void Tf_main::WMDropFiles(HDROP drop) {
    const DroppedFiles files(drop);
    // Disabled while the settings dialog is open, whose OK would write over
    // what a drop adds (and while any other window of ours is modal).
    if (!IsWindowEnabled(hwnd())) return;
    const std::wstring path = Monitoring.ProgramDir + L"velk.ini";
    std::optional<LineReader> reader = OpenLineReader(path);
    // A file the last load could not read is not written over with values
    // the panel never showed.
    if (loadFailed_ || !reader) return ShowCannotOpenSettings(path);
    Settings settings = ReadSettings(*reader, SettingsReader::Panel);
    reader.reset();  // closed before it is replaced
    const int line = SlotAtHeight(files.Point().y, Dpi());
    UINT added = 0;
    for (int slot; added < files.Count() && (slot = SlotForDrop(settings.Shortcuts, line)) >= 0; ++added) {
        const std::wstring file = files.Path(added);
        ShortcutEntry& entry = settings.Shortcuts[static_cast<size_t>(slot)];
        bool lost = false;
        entry.Command = ToCp1250(file, &lost);
        if (lost) return ShowUnstorableTextBox(hwnd(), file.c_str(), L"");
        entry.Text = ToCp1250(DisplayName(file));
        entry.Align = "L";
    }
    if (added > 0) {
        // Saved as the settings dialog's OK saves: the panel's place as it stands.
        const POINT place = Position();
        settings.PosX = place.x;
        settings.PosY = place.y;
        const FileError error = ReplaceFileContents(path, FormatSettings(settings));
        if (error != FileError::None) return ShowFileErrorBox(hwnd(), kCannotOpenSettings, path, error);
        LoadSettings();
    }
    if (added == files.Count()) return;
    wchar_t text[64];
    wsprintfW(text, L"Brak wolnych wierszy. Nie dodano plików: %u.", files.Count() - added);
    MessageBoxW(hwnd(), text, kInformationTitle, MB_OK);
}

}  // namespace velk
