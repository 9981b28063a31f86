#include "settings/setup_form.h"

#include <new>
#include <optional>
#include <variant>

#include "settings/setup_design.h"
#include "settings/setup_ids.h"
#include "ui/common_dialogs.h"
#include "ui/message_box.h"
#include "win/file_io.h"
#include "win/fonts.h"
#include "win/text.h"

namespace velk {

Tf_setup::Tf_setup(SetupLinks links)
    // Enter and Escape press nothing here: no button is the default.
    : DialogForm({0, false}),
      links_(std::move(links)),
      fields_(Controls, StringGrid1, background_,
              {.MonitOnBoxClick = [this] { MonitOnBoxClick(); }, .rg_TloClick = [this] { rg_TloClick(); }}) {}

bool Tf_setup::Create() {
    if (!Form::Create(kSetupWindow)) return false;
    mrsc.Attach(*this);
    mrsc.SetNumColors(255);
    MakeFonts();
    const HFONT fonts[kSetupFontCount] = {tabFont_.get(), buttonFont_.get()};
    if (!Controls.Create(hwnd(), SetupLayout(), fonts, Dpi())) return false;
    background_.Attach(hwnd(), Controls[kDemoId]);

    StringGridArgs grid;
    grid.id = kStringGrid1Id;
    grid.bounds = Controls.BoundsOf(kStringGrid1Id);
    grid.columns = kGridColumns;
    grid.rows = kSlotCount + 1;
    for (int width : kGridColumnWidths) grid.columnWidths.push_back(Scaled(width));
    grid.rowHeight = Scaled(kGridRowHeight);
    // A file dropped on a row is its command, and names it where it has no text.
    grid.fileColumn = 2;
    grid.nameColumn = 1;
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
    background_.SetDpi(Dpi());
    mrsc.SetApplicationNameFont({L"Arial", -Scaled(11), EASTEUROPE_CHARSET, fsBold, clWhite});
    mrsc.SetCaptionFont({L"Arial", -Scaled(11), EASTEUROPE_CHARSET, 0, clWhite});
}

void Tf_setup::OnDpiChanged(const RECT& suggested) {
    MakeFonts();
    const HFONT fonts[kSetupFontCount] = {tabFont_.get(), buttonFont_.get()};
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
    fields_.SetRadioItem(kPlacementGroup, 0);
    fields_.SetRadioItem(kBackgroundGroup, 0);
}

void Tf_setup::FormShow() {
    loading_ = false;
    const POINT position = links_.PanelPosition();
    SetWindowTextW(Controls[kXEditId], FromCp1250(std::to_string(position.x)).c_str());
    SetWindowTextW(Controls[kYEditId], FromCp1250(std::to_string(position.y)).c_str());

    std::optional<LineReader> SettingsStream = OpenLineReader(links_.ProgramDir + L"velk.ini");
    if (!SettingsStream) {
        ShowPlainBox(hwnd(), kCannotOpenSettings, kErrorTitle);
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
    fields_.FillFrom(settings);
    chosenBackground_ = fields_.RadioItem(kBackgroundGroup);
}

LRESULT Tf_setup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == kDemoId) {
        background_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
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
    case kTloTextureId: BackgroundItemClick(); break;
    default: break;
    }
}

void Tf_setup::OKButtonClick() {
    const std::variant<Settings, RefusedBox> read = fields_.Read();
    if (const auto* refused = std::get_if<RefusedBox>(&read)) {
        RefuseBox(*refused);
        return;
    }
    // Written whole beside the old file and put in its place in one step: a
    // failure at any point leaves the old settings as they were, and the
    // dialog stays open with the edits, to try again or cancel.
    const std::wstring path = links_.ProgramDir + L"velk.ini";
    const FileError error = ReplaceFileContents(path, FormatSettings(std::get<Settings>(read)));
    if (error != FileError::None) {
        ShowFileErrorBox(hwnd(), kCannotOpenSettings, path, error);
        return;
    }
    SetModalResult(mrOk);
    links_.ApplySettings();
}

void Tf_setup::RefuseBox(const RefusedBox& box) {
    if (!box.id) {
        ShowUnstorableTextBox(hwnd(), box.place, box.number);
        return;
    }
    ShowErrorBox(hwnd(), L"'" + box.text + L"' is not a valid integer value");
    // Back to the box at fault, on its page, with its text selected.
    const HWND edit = Controls[box.id];
    Controls.SelectPage(kPageControlId, 1);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

void Tf_setup::AnulujButtonClick() { SetModalResult(mrCancel); }

void Tf_setup::HelpButtonClick() { links_.ShowHelp(hwnd(), links_.ProgramDir); }

void Tf_setup::MonitOnBoxClick() {
    const bool on = fields_.IsChecked(kMonitOnBoxId);
    if (!on) fields_.SetChecked(kMonitWindowOnBoxId, false);
    for (int id : {kMonitWindowOnBoxId, kMLab1Id, kMLab2Id, kMonitSekEditId}) fields_.SetShown(id, on);
}

bool Tf_setup::StringGrid1SelectCell(int column, int row) {
    selectedColumn_ = column;
    selectedRow_ = row;
    return true;
}

void Tf_setup::StringGrid1DblClick() {
    if (selectedRow_ < 1 || selectedColumn_ != 2) return;
    if (const std::optional<std::wstring> path = ChooseFileToOpen(hwnd()))
        StringGrid1.SetCell(selectedColumn_, selectedRow_, *path);
}

void Tf_setup::btn_ListaClick() {
    SetModalResult(mrRetry);
    links_.ShowLaunchList();
}

void Tf_setup::btn_LastClick() {
    SetModalResult(mrRetry);
    links_.ShowLastLaunch();
}

void Tf_setup::BackgroundItemClick() {
    // Only a change of item is a choice: a click on the item already chosen,
    // which Windows also reports when that item gets the focus back, runs no
    // picker again.
    if (fields_.RadioItem(kBackgroundGroup) == chosenBackground_) return;
    rg_TloClick();
}

void Tf_setup::rg_TloClick() {
    const int item = fields_.RadioItem(kBackgroundGroup);
    if (item < 0) {
        ChooseBackgroundItem(0);
        return;
    }
    chosenBackground_ = item;
    if (loading_) return;
    if (!background_.Choose(static_cast<BackgroundChooser::Item>(item))) ChooseBackgroundItem(0);
}

void Tf_setup::ChooseBackgroundItem(int item) {
    fields_.SetRadioItem(kBackgroundGroup, item);
    rg_TloClick();
}

void Tf_setup::lab_ActiveClick() { background_.ChooseSampleColor(BackgroundChooser::Sample::Active); }

void Tf_setup::lab_UnactiveClick() { background_.ChooseSampleColor(BackgroundChooser::Sample::Inactive); }

void Tf_setup::OnPreviewClick() {
    switch (background_.SampleAtCursor()) {
    case BackgroundChooser::Sample::Active: lab_ActiveClick(); break;
    case BackgroundChooser::Sample::Inactive: lab_UnactiveClick(); break;
    case BackgroundChooser::Sample::None: break;
    }
}

}  // namespace velk
