#include "ui/common_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "win/system_library.h"
#include "win/text.h"

namespace velk {

namespace {

const SystemLibrary& CommonDialogs() {
    static const SystemLibrary library(L"comdlg32.dll");
    return library;
}

}  // namespace

std::optional<std::wstring> ChooseFileToOpen(HWND owner, const wchar_t* title, const wchar_t* filter) {
    // Room for the longest path the system knows.
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER;
    static const auto getOpenFileName = CommonDialogs().Find<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
    if (!getOpenFileName || !getOpenFileName(&dialog)) return std::nullopt;
    TakeStorableName(file.data(), file.size());
    return std::wstring(file.data());
}

std::optional<COLORREF> ColorDialog::Run(HWND owner) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = lastColor_;
    dialog.lpCustColors = customColors_.data();
    dialog.Flags = CC_FULLOPEN | CC_SHOWHELP | CC_ANYCOLOR | CC_RGBINIT;
    static const auto chooseColor = CommonDialogs().Find<decltype(ChooseColorW)>("ChooseColorW");
    if (!chooseColor || !chooseColor(&dialog)) return std::nullopt;
    lastColor_ = dialog.rgbResult;
    return dialog.rgbResult;
}

}  // namespace velk
