#include "monitor/lista_form.h"

#include "core/launch_log.h"
#include "win/exception.h"
#include "win/file_io.h"
#include "win/fonts.h"
#include "ui/message_box.h"
#include "win/text.h"

namespace velk {

namespace {

enum Fonts { kMemoFont, kButtonFont };
enum ControlId : int { kMemoId = 100 };

constexpr FormArgs kWindow{.className = L"Tf_lista", .caption = L"Lista uruchomień", .left = 200, .top = 108,
                           .clientWidth = 184, .clientHeight = 262, .iconResource = 1};

constexpr FontDesign kFonts[] = {
    {11, FW_NORMAL, DEFAULT_CHARSET, kSansSerifFace},
    {11, FW_BOLD, EASTEUROPE_CHARSET, L"Arial"},
};

// The log grows without limit: a view that lays out only the lines in sight
// opens any length at once, where an edit control measured every line
// (under Wine, 100,000 lines took over 3 seconds).
constexpr ControlDesign kLayout[] = {
    {ControlKind::LogView, kMemoId, 0, 8, 8, 169, 217, L"", kMemoFont},
    {ControlKind::Button, IDABORT, 0, 8, 232, 89, 25, L"&Wyczyść", kButtonFont, 0, bkAbort},
    {ControlKind::Button, IDOK, 0, 104, 232, 75, 25, L"&OK", kButtonFont, BS_DEFPUSHBUTTON, bkOK},
};

}  // namespace

bool Tf_lista::Create() {
    if (!Form::Create(kWindow) || !CreateControls(kLayout, kFonts)) return false;
    Memo = Controls[kMemoId];
    return true;
}

std::wstring Tf_lista::LogPath() const { return programDir_ + kLaunchLogFileName; }

void Tf_lista::OnShow() {
    try {
        FormShow();
    } catch (const Exception& error) {
        // The window opens all the same, its memo as it was.
        ShowErrorBox(hwnd(), error.Message());
    }
}

void Tf_lista::FormShow() {
    const std::wstring path = LogPath();
    const std::optional<std::string> log = ReadWholeFile(path);
    if (!log) throw Exception(L"Cannot open file " + path);
    SetWindowTextW(Memo, FromCp1250(LogToMemoText(*log)).c_str());
}

void Tf_lista::BitBtn1Click() { SetModalResult(mrOk); }

void Tf_lista::BitBtn2Click() {
    // Emptied only once the file is: a log that could not be cleared stays
    // in view while the failure is told.
    const std::wstring path = LogPath();
    const FileError error = WriteWholeFile(path, {});
    if (error == FileError::None) {
        SetWindowTextW(Memo, L"");
        ShowPlainBox(hwnd(), L"Lista uruchomień wyczyszczona!", InformationTitle());
    } else {
        ShowFileErrorBox(hwnd(), L"Nie mogę wyczyścić listy uruchomień!", path, error);
    }
    SetModalResult(mrAbort);
}

void Tf_lista::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDOK) BitBtn1Click();
    if (id == IDABORT) BitBtn2Click();
}

}  // namespace velk
