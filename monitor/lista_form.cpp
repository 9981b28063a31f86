#include "monitor/lista_form.h"

#include "app/main_form.h"
#include "monitor/launch_log.h"
#include "ui/exception.h"
#include "core/file_io.h"
#include "ui/fonts.h"
#include "ui/log_view.h"
#include "ui/message_box.h"
#include "core/text.h"

namespace velk {

bool Tf_lista::Create() {
    FormArgs args;
    args.className = L"Tf_lista";
    args.caption = L"Lista uruchomień";
    args.left = 200;
    args.top = 108;
    args.clientWidth = 184;
    args.clientHeight = 262;
    args.iconResource = 1;
    if (!Form::Create(args)) return false;

    memoFont_ = MakeFont(11, FW_NORMAL, false, DEFAULT_CHARSET, L"MS Sans Serif");
    buttonFont_ = MakeFont(11, FW_BOLD, false, EASTEUROPE_CHARSET, L"Arial");

    // The log grows without limit: a view that lays out only the lines in
    // sight opens any length at once, where an edit control measured every
    // line (under Wine, 100,000 lines took over 3 seconds).
    RegisterLogView();
    Memo = CreateWindowExW(WS_EX_CLIENTEDGE, kLogViewClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL,
                           8, 8, 169, 217, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMemoId)),
                           GetModuleHandleW(nullptr), nullptr);
    if (!Memo) return false;
    SendMessageW(Memo, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.get()), FALSE);

    GlyphButtonArgs clear;
    clear.id = kClearId;
    clear.kind = bkAbort;
    clear.caption = L"&Wyczyść";
    clear.left = 8;
    clear.top = 232;
    clear.width = 89;
    clear.font = buttonFont_.get();
    GlyphButtonArgs ok;
    ok.id = kOkId;
    ok.kind = bkOK;
    ok.caption = L"&OK";
    ok.left = 104;
    ok.top = 232;
    ok.isDefault = true;
    ok.font = buttonFont_.get();
    return BitBtn2.Create(hwnd(), clear) && BitBtn1.Create(hwnd(), ok);
}

std::wstring Tf_lista::LogPath() const { return panel_.ProgramDir + L"index.asc"; }

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
    if (WriteWholeFile(LogPath(), {})) {
        SetWindowTextW(Memo, L"");
        ShowPlainBox(hwnd(), L"Lista uruchomień wyczyszczona!", kInformationTitle);
    } else {
        ShowPlainBox(hwnd(), L"Nie mogę wyczyścić listy uruchomień!", kErrorTitle);
    }
    SetModalResult(mrAbort);
}

LRESULT Tf_lista::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogKeys_.Handle(hwnd(), message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DRAWITEM:
        if (GlyphButton::DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        return DefaultHandling(message, wParam, lParam);
    default: return DefaultHandling(message, wParam, lParam);
    }
}

void Tf_lista::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case kOkId: BitBtn1Click(); break;
    case kClearId: BitBtn2Click(); break;
    // Escape, as the memo itself treats it: the close box.
    case IDCANCEL: Close(); break;
    default: break;
    }
}

}  // namespace velk
