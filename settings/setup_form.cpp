#include "settings/setup_form.h"

#include <commdlg.h>

#include <functional>
#include <new>
#include <vector>

#include "win/file_io.h"
#include "win/text.h"
#include "settings/setup_ids.h"
#include "settings/setup_values.h"
#include "win/back_buffer.h"
#include "win/exception.h"
#include "win/fonts.h"
#include "ui/label.h"
#include "ui/message_box.h"
#include "ui/picture.h"
#include "win/system_library.h"

namespace velk {

namespace {

const SystemLibrary& CommonDialogs() {
    static const SystemLibrary library(L"comdlg32.dll");
    return library;
}

enum Fonts { kTabFont, kButtonFont };
enum PageId : int { kShortcutsPageId = 190, kLookPageId, kMonitoringPageId };

constexpr int32_t kSilver = 0xC0C0C0;
constexpr int32_t kDesktopColor = static_cast<int32_t>(0x80000001u);
constexpr int kPreviewWidth = 135;
constexpr int kPreviewHeight = 49;
// The sample labels' places over the preview.
constexpr POINT kActiveSampleAt{30, 8};
constexpr POINT kInactiveSampleAt{22, 24};
constexpr wchar_t kActiveSample[] = L"Napis aktywny";
constexpr wchar_t kInactiveSample[] = L"Napis nieaktywny";

constexpr wchar_t kOpenTitle[] = L"Wybierz plik do otwarcia...";
// The filter with its '|' separators as the file dialog wants them: NULs,
// the list ended by two.
constexpr wchar_t kPictureFilter[] =
    L"Wszystkie akceptowane (*.bmp, *.wmf, *.emf, *.png, *.jpg, *.gif)\0*.bmp;*.wmf;*.emf;*.png;*.jpg;*.jpeg;*.gif\0"
    L"Bitmapy (*.bmp)\0*.bmp\0Metapliki (*.wmf)\0*.wmf\0Rozszerzone metapliki (*.emf)\0*.emf\0"
    L"Obrazy (*.png, *.jpg, *.gif)\0*.png;*.jpg;*.jpeg;*.gif\0";

using K = ControlKind;

constexpr FormArgs kWindow{.className = L"Tf_setup", .caption = L"Ustawienia programu VELK",
                           .exStyle = WS_EX_CONTROLPARENT, .left = 153, .top = 184, .clientWidth = 517,
                           .clientHeight = 230, .iconResource = 1};

// Every control but the grid, which the dialog makes in the place kept for
// it. Positions are those of the form's description, each in its group box
// or tab page.
constexpr ControlDesign kLayout[] = {
    {K::Tabs, "PageControl1", kPageControlId, 0, 8, 8, 505, 185, L"", kTabFont},
    {K::Page, "Skroty", kShortcutsPageId, kPageControlId, 0, 0, 0, 0, L"Skróty"},
    {K::Custom, "StringGrid1", kStringGrid1Id, kShortcutsPageId, 8, 12, 481, 137},
    {K::Page, "Wyglad", kLookPageId, kPageControlId, 0, 0, 0, 0, L"Wygląd"},
    {K::GroupBox, "RadioGroup1", kRadioGroup1Id, kLookPageId, 8, 8, 153, 66, L"Wygląd na pulpicie", kTabFont},
    {K::RadioButton, "RadioGroup1[0]", kPlacementFixedId, kRadioGroup1Id, 8, 16, 137, 22, L"&stałe miejsce", kTabFont},
    {K::RadioButton, "RadioGroup1[1]", kPlacementMovableId, kRadioGroup1Id, 8, 38, 137, 22, L"p&rzesuwalne okienko",
     kTabFont},
    {K::GroupBox, "GroupBox1", kGroupBox1Id, kLookPageId, 8, 78, 153, 70, L"Położenie na pulpicie", kTabFont},
    {K::Label, "Label2", kLabel2Id, kGroupBox1Id, 8, 20, 0, 13, L"współrzędna &X =", kTabFont},
    {K::Edit, "xEdit", kXEditId, kGroupBox1Id, 96, 16, 49, 22, L"", kTabFont},
    {K::Label, "Label3", kLabel3Id, kGroupBox1Id, 8, 44, 0, 13, L"współrzędna &Y =", kTabFont},
    {K::Edit, "yEdit", kYEditId, kGroupBox1Id, 96, 40, 49, 22, L"", kTabFont},
    {K::GroupBox, "GroupBox2", kGroupBox2Id, kLookPageId, 168, 8, 321, 57, L"Opcje", kTabFont},
    {K::CheckBox, "KolBox", kKolBoxId, kGroupBox2Id, 8, 16, 310, 17,
     L"&Zmieniaj kolor napisu znajdującego się pod kursorem myszki", kTabFont},
    {K::CheckBox, "SekBox", kSekBoxId, kGroupBox2Id, 8, 32, 310, 17, L"&Na zegarze podawaj także sekundy ", kTabFont},
    {K::GroupBox, "rg_Tlo", kRgTloId, kLookPageId, 168, 70, 145, 78, L"Tło programu ", kTabFont},
    {K::RadioButton, "rg_Tlo[0]", kTloDesktopId, kRgTloId, 8, 16, 129, 14, L"&kolor tła pulpitu", kTabFont},
    {K::RadioButton, "rg_Tlo[1]", kTloColorId, kRgTloId, 8, 30, 129, 14, L"&inny kolor...", kTabFont},
    {K::RadioButton, "rg_Tlo[2]", kTloStretchId, kRgTloId, 8, 44, 129, 14, L"roz&ciągnięty rysunek...", kTabFont},
    {K::RadioButton, "rg_Tlo[3]", kTloTextureId, kRgTloId, 8, 58, 129, 14, L"rysunek - &tekstura...", kTabFont},
    {K::GroupBox, "GroupBox4", kGroupBox4Id, kLookPageId, 320, 70, 169, 78, L"Kolory napisów (kliknij na napis)",
     kTabFont},
    // shp_Demo and img_Demo in one: the preview, with lab_Active and
    // lab_Unactive drawn over it.
    {K::Label, "shp_Demo", kDemoId, kGroupBox4Id, 18, 20, kPreviewWidth, kPreviewHeight, L"", kTabFont,
     SS_OWNERDRAW | SS_NOTIFY},
    {K::Page, "Monitoring", kMonitoringPageId, kPageControlId, 0, 0, 0, 0, L"Monitoring"},
    {K::GroupBox, "GroupBox3", kGroupBox3Id, kMonitoringPageId, 8, 8, 297, 121, L"Konfiguracja", kTabFont},
    {K::CheckBox, "MonitOnBox", kMonitOnBoxId, kGroupBox3Id, 8, 16, 250, 17,
     L"&Włącz monitorowanie uruchomień komputera", kTabFont},
    {K::CheckBox, "MonitOnOffBox", kMonitOnOffBoxId, kGroupBox3Id, 8, 32, 250, 17,
     L"Włącz monitorowanie w&yłączeń komputera", kTabFont},
    {K::CheckBox, "MonitWindowOnBox", kMonitWindowOnBoxId, kGroupBox3Id, 8, 64, 281, 17,
     L"Podczas uruchomienia wyświetl okienko &informacyjne", kTabFont},
    {K::Label, "MLab1", kMLab1Id, kGroupBox3Id, 26, 92, 0, 13, L"&Czas wyświetlania okienka:", kTabFont},
    {K::Edit, "MonitSekEdit", kMonitSekEditId, kGroupBox3Id, 160, 88, 33, 22, L"10", kTabFont},
    {K::Label, "MLab2", kMLab2Id, kGroupBox3Id, 200, 92, 0, 13, L"sekund", kTabFont},
    {K::GroupBox, "GroupBox5", kGroupBox5Id, kMonitoringPageId, 312, 8, 177, 121, L"Kontrola", kTabFont},
    {K::Button, "btn_Lista", kBtnListaId, kGroupBox5Id, 14, 56, 147, 25, L"&Lista uruchomień...", kButtonFont, 0,
     bkList},
    {K::Button, "btn_Last", kBtnLastId, kGroupBox5Id, 14, 88, 147, 25, L"Ostatnie &uruchomienie...", kButtonFont, 0,
     bkClock},
    {K::Bevel, "Bevel1", kBevel1Id, kMonitoringPageId, 8, 144, 481, 2},
    {K::Button, "AnulujButton", kAnulujButtonId, 0, 278, 200, 75, 25, L"&Anuluj", kButtonFont, 0, bkAbort},
    {K::Button, "HelpButton", kHelpButtonId, 0, 358, 200, 75, 25, L"&Pomoc", kButtonFont, 0, bkHelp},
    {K::Button, "OKButton", kOKButtonId, 0, 440, 200, 73, 25, L"&OK", kButtonFont, 0, bkOK},
};

constexpr std::array<int, 4> kGridColumnWidths = {20, 118, 297, 20};
constexpr int kGridRowHeight = 18;

constexpr int kPlacementItems = 2;
constexpr int kBackgroundItems = 4;

}  // namespace

Tf_setup::Tf_setup(SetupLinks links)
    // Enter and Escape press nothing here: no button is the default.
    : DialogForm({0, false}), links_(std::move(links)), activeColor_(0xFF00FF), inactiveColor_(0xFFFFFF), previewColor_(kSilver) {}

bool Tf_setup::Create() {
    if (!Form::Create(kWindow)) return false;
    mrsc.Attach(*this);
    mrsc.SetNumColors(255);
    MakeFonts();
    const HFONT fonts[] = {tabFont_.get(), buttonFont_.get()};
    if (!Controls.Create(hwnd(), kLayout, fonts, Dpi())) return false;

    StringGridArgs grid;
    grid.id = kStringGrid1Id;
    grid.bounds = Controls.BoundsOf(kStringGrid1Id);
    grid.columns = 4;
    grid.rows = kSlotCount + 1;
    for (int width : kGridColumnWidths) grid.columnWidths.push_back(Scaled(width));
    grid.rowHeight = Scaled(kGridRowHeight);
    grid.font = tabFont_.get();
    if (!StringGrid1.Create(Controls.ParentOf(kStringGrid1Id), grid)) return false;
    StringGrid1.OnSelectCell = [this](int column, int row) { return StringGrid1SelectCell(column, row); };
    StringGrid1.OnDblClick = [this] { StringGrid1DblClick(); };
    FormCreate();
    return true;
}

void Tf_setup::MakeFonts() {
    tabFont_ = MakeFont(Scaled(11), FW_NORMAL, false, EASTEUROPE_CHARSET, L"Arial");
    buttonFont_ = MakeFont(Scaled(11), FW_BOLD, false, EASTEUROPE_CHARSET, L"Arial");
    sampleFont_ = MakeFont(Scaled(12), FW_BOLD, false, EASTEUROPE_CHARSET, L"Arial");
    mrsc.SetApplicationNameFont({L"Arial", -Scaled(11), EASTEUROPE_CHARSET, fsBold, clWhite});
    mrsc.SetCaptionFont({L"Arial", -Scaled(11), EASTEUROPE_CHARSET, 0, clWhite});
}

void Tf_setup::OnDpiChanged(const RECT& suggested) {
    MakeFonts();
    const HFONT fonts[] = {tabFont_.get(), buttonFont_.get()};
    Controls.Rescale(fonts, Dpi());
    const RECT grid = Controls.BoundsOf(kStringGrid1Id);
    SetWindowPos(StringGrid1.hwnd(), nullptr, grid.left, grid.top, grid.right - grid.left, grid.bottom - grid.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (int column = 0; column < StringGrid1.ColCount(); ++column)
        StringGrid1.SetColumnWidth(column, Scaled(kGridColumnWidths[static_cast<size_t>(column)]));
    StringGrid1.SetRowHeight(Scaled(kGridRowHeight));
    SendMessageW(StringGrid1.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_.get()), TRUE);
    Form::OnDpiChanged(suggested);
}

void Tf_setup::FormCreate() {
    StringGrid1.SetCell(1, 0, L"Tekst na pulpicie");
    StringGrid1.SetCell(2, 0, L"Polecenie");
    StringGrid1.SetCell(3, 0, L"$");
    for (int row = 1; row <= kSlotCount; ++row) StringGrid1.SetCell(0, row, FromCp1250(std::to_string(row)));
    SetRadioItem(kPlacementFixedId, kPlacementItems, 0);
    SetRadioItem(kTloDesktopId, kBackgroundItems, 0);
}

void Tf_setup::FormShow() {
    loading_ = false;
    const POINT position = links_.PanelPosition();
    SetWindowTextW(Controls[kXEditId], FromCp1250(std::to_string(position.x)).c_str());
    SetWindowTextW(Controls[kYEditId], FromCp1250(std::to_string(position.y)).c_str());

    std::optional<LineReader> SettingsStream = OpenLineReader(links_.ProgramDir + L"velk.ini");
    if (!SettingsStream) {
        ShowPlainBox(hwnd(), L"Nie mogę otworzyć pliku ustawień!", kErrorTitle);
        return;
    }
    Settings settings;
    try {
        settings = ReadSettings(*SettingsStream, SettingsReader::Dialog);
    } catch (const std::bad_alloc&) {
        // A line too long for memory: the controls stay as they were.
        ShowErrorBox(hwnd(), L"Out of memory");
        return;
    }
    struct Loading {
        bool& flag;
        explicit Loading(bool& f) : flag(f) { flag = true; }
        ~Loading() { flag = false; }
    } loading(loading_);
    FillFrom(settings);
}

void Tf_setup::FillFrom(const Settings& settings) {
    SetRadioItem(kPlacementFixedId, kPlacementItems, static_cast<int>(settings.Placement));
    SetChecked(kKolBoxId, settings.HoverHighlight);
    SetChecked(kSekBoxId, settings.ClockSeconds);
    SetChecked(kMonitOnBoxId, settings.MonitorStarts);
    MonitOnBoxClick();
    if (settings.MonitorStarts) SetChecked(kMonitWindowOnBoxId, settings.MonitorInfoWindow);
    SetWindowTextW(Controls[kMonitSekEditId], FromCp1250(settings.MonitorInfoSeconds).c_str());
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ShortcutEntry& entry = settings.Shortcuts[slot];
        StringGrid1.SetCell(1, slot + 1, FromCp1250(entry.Text));
        StringGrid1.SetCell(2, slot + 1, FromCp1250(entry.Command));
        StringGrid1.SetCell(3, slot + 1, FromCp1250(entry.Align));
    }
    activeColor_ = settings.ActiveColor;
    inactiveColor_ = settings.InactiveColor;
    InvalidateRect(Controls[kDemoId], nullptr, FALSE);
    const int mode = static_cast<int>(settings.BackgroundMode);
    const bool changed = RadioItem(kTloDesktopId, kBackgroundItems) != mode;
    SetRadioItem(kTloDesktopId, kBackgroundItems, mode);
    // A change of item is a choice, as a click makes one; while loading it
    // only makes sure an item is chosen.
    if (changed && mode >= 0) rg_TloClick();
    if (settings.BackgroundMode == BackgroundMode::OwnColor) editedBackgroundColor_ = settings.BackgroundColor;
    if (settings.BackgroundMode == BackgroundMode::StretchedPicture ||
        settings.BackgroundMode == BackgroundMode::TiledPicture)
        editedPicturePath_ = FromCp1250(settings.BackgroundPicture);
    SetChecked(kMonitOnOffBoxId, settings.MonitorShutdowns);
}

LRESULT Tf_setup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == kDemoId) {
        DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return DialogForm::HandleMessage(message, wParam, lParam);
}

void Tf_setup::OnCommand(int id, int code) {
    if (id == kDemoId) {
        if (code == STN_CLICKED || code == STN_DBLCLK) OnPreviewClick();
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case kOKButtonId: OKButtonClick(); break;
    case kAnulujButtonId: AnulujButtonClick(); break;
    case kHelpButtonId: HelpButtonClick(); break;
    case kMonitOnBoxId:
    case kMonitOnOffBoxId:
    case kMonitWindowOnBoxId: MonitOnBoxClick(); break;
    case kBtnListaId: btn_ListaClick(); break;
    case kBtnLastId: btn_LastClick(); break;
    case kTloDesktopId:
    case kTloColorId:
    case kTloStretchId:
    case kTloTextureId: rg_TloClick(); break;
    default: break;
    }
}

void Tf_setup::OKButtonClick() {
    const std::optional<Settings> settings = SettingsFromControls();
    if (!settings) return;
    // Written whole beside the old file and put in its place in one step: a
    // failure at any point leaves the old settings as they were, and the
    // dialog stays open with the edits, to try again or cancel.
    if (!ReplaceFileContents(links_.ProgramDir + L"velk.ini", FormatSettings(*settings))) {
        ShowPlainBox(hwnd(), L"Nie mogę otworzyć pliku ustawień!", kErrorTitle);
        return;
    }
    SetModalResult(mrOk);
    links_.ApplySettings();
}

std::optional<int32_t> Tf_setup::WholeNumberIn(int editId) {
    const HWND edit = Controls[editId];
    const std::wstring text = ControlText(edit);
    if (const std::optional<int32_t> number = StrictInt(ToCp1250(text))) return number;
    ShowErrorBox(hwnd(), L"'" + text + L"' is not a valid integer value");
    // Back to the box at fault, on its page, with its text selected.
    Controls.SelectPage(kPageControlId, 1);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return std::nullopt;
}

std::optional<Settings> Tf_setup::SettingsFromControls() {
    Settings settings;
    const std::optional<int32_t> x = WholeNumberIn(kXEditId);
    if (!x) return std::nullopt;
    const std::optional<int32_t> y = WholeNumberIn(kYEditId);
    if (!y) return std::nullopt;
    settings.Placement = static_cast<PanelPlacement>(RadioItem(kPlacementFixedId, kPlacementItems));
    settings.PosX = *x;
    settings.PosY = *y;
    settings.HoverHighlight = IsChecked(kKolBoxId);
    settings.ClockSeconds = IsChecked(kSekBoxId);
    settings.MonitorStarts = IsChecked(kMonitOnBoxId);
    settings.MonitorInfoWindow = IsChecked(kMonitWindowOnBoxId);
    settings.MonitorInfoSeconds = ToCp1250(ControlText(Controls[kMonitSekEditId]));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        ShortcutEntry& entry = settings.Shortcuts[slot];
        entry.Text = ToCp1250(StringGrid1.Cell(1, slot + 1));
        entry.Command = ToCp1250(StringGrid1.Cell(2, slot + 1));
        entry.Align = ToCp1250(StringGrid1.Cell(3, slot + 1));
    }
    settings.ActiveColor = activeColor_;
    settings.InactiveColor = inactiveColor_;
    settings.BackgroundMode = static_cast<BackgroundMode>(RadioItem(kTloDesktopId, kBackgroundItems));
    settings.BackgroundColor = editedBackgroundColor_;
    settings.BackgroundPicture = ToCp1250(editedPicturePath_);
    settings.MonitorShutdowns = IsChecked(kMonitOnOffBoxId);
    return settings;
}

void Tf_setup::AnulujButtonClick() { SetModalResult(mrCancel); }

void Tf_setup::HelpButtonClick() {
    const std::wstring helpPath = links_.ProgramDir + L"velk.hlp";
    ShellOpen(hwnd(), helpPath.c_str());
}

void Tf_setup::MonitOnBoxClick() {
    const bool on = IsChecked(kMonitOnBoxId);
    if (!on) SetChecked(kMonitWindowOnBoxId, false);
    for (int id : {kMonitWindowOnBoxId, kMLab1Id, kMLab2Id, kMonitSekEditId}) SetShown(id, on);
}

bool Tf_setup::StringGrid1SelectCell(int column, int row) {
    selectedColumn_ = column;
    selectedRow_ = row;
    return true;
}

void Tf_setup::StringGrid1DblClick() {
    if (selectedRow_ < 1 || selectedColumn_ != 2) return;
    std::wstring path;
    if (RunOpenDialog(nullptr, &path)) StringGrid1.SetCell(selectedColumn_, selectedRow_, path);
}

void Tf_setup::btn_ListaClick() {
    SetModalResult(mrRetry);
    links_.ShowLaunchList();
}

void Tf_setup::btn_LastClick() {
    SetModalResult(mrRetry);
    links_.ShowLastLaunch();
}

void Tf_setup::rg_TloClick() {
    const int item = RadioItem(kTloDesktopId, kBackgroundItems);
    if (item < 0) {
        ChooseBackgroundItem(0);
        return;
    }
    if (loading_) return;
    switch (item) {
    case 0: ShowShape(kDesktopColor); break;
    case 1: {
        COLORREF chosen = 0;
        if (!RunColorDialog(&chosen)) {
            ChooseBackgroundItem(0);
            return;
        }
        editedBackgroundColor_ = static_cast<int32_t>(chosen);
        ShowShape(editedBackgroundColor_);
        break;
    }
    default: {
        std::wstring path;
        if (!RunOpenDialog(kPictureFilter, &path)) {
            ChooseBackgroundItem(0);
            return;
        }
        // A picture that cannot be shown is told, and the choice goes back
        // to the desktop colour: the path is not kept.
        try {
            if (item == 2)
                ShowStretchedPicture(path);
            else
                ShowTiledPicture(path);
        } catch (const Exception& error) {
            ShowErrorBox(hwnd(), error.Message());
            ChooseBackgroundItem(0);
            return;
        }
        editedPicturePath_ = path;
        break;
    }
    }
}

void Tf_setup::ChooseBackgroundItem(int item) {
    SetRadioItem(kTloDesktopId, kBackgroundItems, item);
    rg_TloClick();
}

void Tf_setup::ShowShape(int32_t color) {
    previewKind_ = PreviewKind::Shape;
    previewColor_ = color;
    InvalidateRect(Controls[kDemoId], nullptr, FALSE);
}

void Tf_setup::ShowStretchedPicture(const std::wstring& path) {
    const Picture picture = Picture::FromFile(path);
    ShowPicture([&](HDC dc, const RECT& area) { picture.DrawStretched(dc, area); });
}

void Tf_setup::ShowTiledPicture(const std::wstring& path) {
    // Drawn as a bitmap whatever the file: a metafile is refused here.
    const Picture bitmap = Picture::BitmapFromFile(path);
    ShowPicture([&](HDC dc, const RECT&) {
        bitmap.DrawCopies(dc, TileOrigins(bitmap.Width(), bitmap.Height(), kPreviewWidth, kPreviewHeight));
    });
}

void Tf_setup::ShowPicture(const std::function<void(HDC, const RECT&)>& draw) {
    const ClientDc screen(nullptr);
    Bitmap rendered(CreateCompatibleBitmap(screen.get(), kPreviewWidth, kPreviewHeight));
    const MemoryDc dc(CreateCompatibleDC(screen.get()));
    if (!rendered || !dc) throw std::bad_alloc();
    {
        const SelectGuard select(dc.get(), rendered.get());
        const RECT area{0, 0, kPreviewWidth, kPreviewHeight};
        FillRect(dc.get(), &area, GetSysColorBrush(COLOR_BTNFACE));
        draw(dc.get(), area);
    }
    previewPicture_ = std::move(rendered);
    previewKind_ = PreviewKind::Picture;
    InvalidateRect(Controls[kDemoId], nullptr, FALSE);
}

void Tf_setup::lab_ActiveClick() {
    COLORREF chosen = 0;
    if (!RunColorDialog(&chosen)) return;
    activeColor_ = static_cast<int32_t>(chosen);
    InvalidateRect(Controls[kDemoId], nullptr, FALSE);
}

void Tf_setup::lab_UnactiveClick() {
    COLORREF chosen = 0;
    if (!RunColorDialog(&chosen)) return;
    inactiveColor_ = static_cast<int32_t>(chosen);
    InvalidateRect(Controls[kDemoId], nullptr, FALSE);
}

bool Tf_setup::RunColorDialog(COLORREF* chosen) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.rgbResult = lastColor_;
    dialog.lpCustColors = customColors_.data();
    dialog.Flags = CC_FULLOPEN | CC_SHOWHELP | CC_ANYCOLOR | CC_RGBINIT;
    static const auto chooseColor = CommonDialogs().Find<decltype(ChooseColorW)>("ChooseColorW");
    if (!chooseColor || !chooseColor(&dialog)) return false;
    lastColor_ = dialog.rgbResult;
    *chosen = dialog.rgbResult;
    return true;
}

bool Tf_setup::RunOpenDialog(const wchar_t* filter, std::wstring* path) {
    // Room for the longest path the system knows.
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = kOpenTitle;
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER;
    static const auto getOpenFileName = CommonDialogs().Find<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
    if (!getOpenFileName || !getOpenFileName(&dialog)) return false;
    *path = file.data();
    return true;
}

RECT Tf_setup::SampleBounds(bool active) const {
    const POINT design = active ? kActiveSampleAt : kInactiveSampleAt;
    const POINT at{Scaled(design.x), Scaled(design.y)};
    const wchar_t* text = active ? kActiveSample : kInactiveSample;
    const ClientDc dc(Controls[kDemoId]);
    RECT bounds{at.x, at.y, at.x, at.y};
    if (!dc) return bounds;
    const SelectGuard select(dc.get(), sampleFont_.get());
    RECT measured{};
    DrawTextW(dc.get(), text, -1, &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    bounds.right += measured.right;
    bounds.bottom += measured.bottom;
    return bounds;
}

void Tf_setup::OnPreviewClick() {
    POINT at;
    const DWORD position = GetMessagePos();
    at.x = static_cast<short>(LOWORD(position));
    at.y = static_cast<short>(HIWORD(position));
    ScreenToClient(Controls[kDemoId], &at);
    const RECT active = SampleBounds(true);
    const RECT inactive = SampleBounds(false);
    if (PtInRect(&active, at))
        lab_ActiveClick();
    else if (PtInRect(&inactive, at))
        lab_UnactiveClick();
}

void Tf_setup::DrawPreview(const DRAWITEMSTRUCT& item) const {
    const RECT& area = item.rcItem;
    BackBuffer buffer(item.hDC, area);
    if (!buffer) return;
    const HDC dc = buffer.dc();
    if (previewKind_ == PreviewKind::Picture && previewPicture_) {
        const MemoryDc source(CreateCompatibleDC(dc));
        if (!source) return;
        const SelectGuard select(source.get(), previewPicture_.get());
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(), 0, 0, SRCCOPY);
    } else {
        // A rectangle with a black outline, as a shape is drawn.
        const SelectGuard pen(dc, GetStockObject(BLACK_PEN));
        const SelectGuard brush(dc, GetStockObject(DC_BRUSH));
        SetDCBrushColor(dc, ResolveColor(previewColor_));
        Rectangle(dc, area.left, area.top, area.right, area.bottom);
    }
    const SelectGuard font(dc, sampleFont_.get());
    SetBkMode(dc, TRANSPARENT);
    for (const bool active : {true, false}) {
        RECT bounds = SampleBounds(active);
        SetTextColor(dc, ResolveColor(active ? activeColor_ : inactiveColor_));
        DrawTextW(dc, active ? kActiveSample : kInactiveSample, -1, &bounds, DT_SINGLELINE | DT_NOPREFIX);
    }
    buffer.CopyTo(item.hDC);
}

bool Tf_setup::IsChecked(int id) const { return SendMessageW(Controls[id], BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Tf_setup::SetChecked(int id, bool checked) {
    SendMessageW(Controls[id], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Tf_setup::RadioItem(int firstId, int count) const {
    for (int item = 0; item < count; ++item)
        if (IsChecked(firstId + item)) return item;
    return -1;
}

void Tf_setup::SetRadioItem(int firstId, int count, int item) {
    // A value past the last item shows the last, one below the first none.
    const int shown = item >= count ? count - 1 : item;
    for (int index = 0; index < count; ++index) SetChecked(firstId + index, index == shown);
}

void Tf_setup::SetShown(int id, bool shown) { ShowWindow(Controls[id], shown ? SW_SHOW : SW_HIDE); }

}  // namespace velk
