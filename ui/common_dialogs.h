#pragma once
// The system's common dialogs the program opens: a file to open, a picture
// to open, a colour. comdlg32 is loaded at the first of them, not at every
// start.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace velk {

// The open dialog with its title, for an existing file of the filter's kinds
// (its entries ended by NULs, the list by two; null: any file); the file's
// full path as the settings file can hold it (win/text.h), or nullopt when
// the user cancels.
std::optional<std::wstring> ChooseFileToOpen(HWND owner, const wchar_t* title, const wchar_t* filter = nullptr);

// One colour dialog, opened full with any colour allowed; it opens on the
// colour it last gave (black at first) and keeps its custom colours between
// uses.
class ColorDialog {
public:
    // The colour chosen, or nullopt when the user cancels.
    std::optional<COLORREF> Run(HWND owner);

private:
    COLORREF lastColor_ = RGB(0, 0, 0);
    std::array<COLORREF, 16> customColors_{};
};

}  // namespace velk
