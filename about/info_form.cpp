#include "about/info_form.h"

#include "win/fonts.h"
#include "ui/message_box.h"

namespace velk {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr POINT kImage1At{280, 16};

constexpr wchar_t kDescription[] =
    L"Program szybkiego dostępu. Umożliwia szybki \r\n"
    L"dostęp do programów, plików, katalogów, dysków, \r\n"
    L"prosto z okienka otwierającego się na pulpicie.\r\n"
    L"Program ten jest darmowy (freeware) i można go\r\n"
    L"rozpowszechniać do woli. Aby zdobyć najnowszą \r\n"
    L"wersję programu, zajrzyj w internecie na stronę";

constexpr wchar_t kMoreInformation[] =
    L"VELK - Program szybkiego dostępu v.4\n"
    L"Ta wersja programu VELK pochodzi z dnia 31.VII.2000.\n"
    L"----------------\n"
    L"Dziękujemy za korzystanie z programu VELK.\n"
    L"Miłej pracy z programem!\n";

// "Ten napis jest zapisany szyfrem." enciphered under the stored key.
constexpr std::string_view kStoredCryptCaption =
    "\x06\x34\x3E\x77\x38\x34\x24\x32\x29\x79\x32\x3A\x2D\x29\x7C\x39"
    "\x23\x31\x29\x34\x27\x2B\x3D\x6B\x39\x33\x31\x29\x3C\x28\x21\x5D";
constexpr uint8_t kStoredCryptKey = 83;

enum Fonts { kTitleFont, kLinkFont, kMemoFont, kSignatureFont, kButtonFont, kCryptFont };
constexpr FontDesign kFonts[] = {
    {27, FW_BOLD, EASTEUROPE_CHARSET, L"Arial"},
    {12, FW_BOLD, EASTEUROPE_CHARSET, L"Arial"},
    {11, FW_NORMAL, DEFAULT_CHARSET, kSansSerifFace},
    {8, FW_BOLD, ANSI_CHARSET, L"Arial"},
    {11, FW_BOLD, EASTEUROPE_CHARSET, L"Arial"},
    {11, FW_NORMAL, EASTEUROPE_CHARSET, L"Arial", true},
};
enum ControlId : int { kLabel1Id = 100, kMemo1Id, kMemo2Id, kLabel3Id, kLabel4Id };

constexpr FormArgs kWindow{.className = L"Tf_info", .caption = L"O programie...", .clientWidth = 422,
                           .clientHeight = 179, .centred = true, .classBackground = COLOR_WINDOW + 1,
                           .iconResource = 1};

// Created in this order, which is the tab order: Memo1, BitBtn1, Memo2, BitBtn2.
constexpr ControlDesign kLayout[] = {
    {ControlKind::Label, kLabel1Id, 0, 8, 8, 124, 32, L"", kTitleFont, SS_NOPREFIX},
    // Unwrapped: where a wider face stands in for the memo's, a long line
    // loses a few pixels at its end instead of pushing the last lines out.
    {ControlKind::Memo, kMemo1Id, 0, 8, 40, 241, 81, kDescription, kMemoFont, ES_AUTOHSCROLL},
    {ControlKind::Button, IDOK, 0, 336, 144, 75, 25, L"&OK", kButtonFont, BS_DEFPUSHBUTTON, bkOK},
    // Wide enough for the nickname, at the same right edge.
    {ControlKind::Memo, kMemo2Id, 0, 366, 8, 51, 22, L"Made by \r\nvelk-panel", kSignatureFont, ES_RIGHT},
    {ControlKind::Button, IDHELP, 0, 256, 143, 75, 25, L"&Więcej", kButtonFont, 0, bkHelp},
    // The page the description's last line leads into, and the contact line.
    {ControlKind::Label, kLabel3Id, 0, 16, 124, 176, 15, L"https://github.com/velk-panel", kLinkFont, SS_NOPREFIX},
    {ControlKind::Label, kLabel4Id, 0, 16, 138, 184, 15, L"e-mail: velk@velk-panel.org", kLinkFont, SS_NOPREFIX},
};

}  // namespace

bool Tf_info::Create() {
    if (!Form::Create(kWindow) || !CreateControls(kLayout, kFonts)) return false;
    Label1 = Controls[kLabel1Id];
    Memo1 = Controls[kMemo1Id];
    Label3 = Controls[kLabel3Id];
    Label4 = Controls[kLabel4Id];
    Memo2 = Controls[kMemo2Id];
    SendMessageW(Memo1, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));

    CryptLabel1.Align = Alignment::Centre;
    CryptLabel1.WordWrap = true;
    CryptLabel1.Color = kBlack;
    CryptLabel1.LoadStored(kStoredCryptCaption, kStoredCryptKey);
    FormCreate();
    return true;
}

void Tf_info::ApplyDpi() {
    CryptLabel1.Bounds = RECT{0, Scaled(160), Scaled(241), Scaled(177)};
    CryptLabel1.Font = FontOf(kCryptFont);
}

void Tf_info::FormCreate() { SetWindowTextW(Label1, (std::wstring(L"VELK v.") + L"4").c_str()); }

void Tf_info::BitBtn1Click() { SetModalResult(mrOk); }

void Tf_info::BitBtn2Click() { ShowPlainBox(hwnd(), kMoreInformation, L"Więcej informacyj..."); }

LRESULT Tf_info::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_CTLCOLORSTATIC: return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    default: return DialogForm::HandleMessage(message, wParam, lParam);
    }
}

void Tf_info::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDOK) BitBtn1Click();
    if (id == IDHELP) BitBtn2Click();
}

void Tf_info::OnPaint() {
    PaintDc paint(hwnd());
    Image1.Draw(paint.get(), POINT{Scaled(kImage1At.x), Scaled(kImage1At.y)});
    CryptLabel1.Draw(paint.get());
}

LRESULT Tf_info::OnControlColor(HDC dc, HWND control) const {
    COLORREF color = kBlack;
    if (control == Label3) color = kNavy;
    if (control == Label4 || control == Memo2) color = kPurple;
    SetTextColor(dc, color);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

LRESULT Tf_info::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    // The description reads as text on the page, not as a box to type in.
    if (reinterpret_cast<HWND>(wParam) != Memo1 || LOWORD(lParam) != HTCLIENT)
        return DialogForm::HandleMessage(WM_SETCURSOR, wParam, lParam);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

}  // namespace velk
