// The settings dialog created in-process: its controls, the fill from a
// known file, the loading flag, the monitoring boxes, the save.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <tuple>

#include "app/main_form.h"
#include "win/file_io.h"
#include "win/text.h"
#include "app/program.h"
#include "settings/setup_form.h"
#include "settings/setup_ids.h"
#include "support/find_control.h"
#include "win_test_support.h"

namespace velk {
namespace {

class SetupFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        file_.Write(Known());
        ASSERT_TRUE(panel_.Create());
        ASSERT_TRUE(setup_.Create());
    }

    // A file in the form the save writes it, so that an unchanged OK gives
    // the same bytes back.
    static Settings Known() {
        Settings settings;
        settings.Placement = PanelPlacement::ToolWindow;
        settings.PosX = 140;
        settings.PosY = 70;
        settings.HoverHighlight = true;
        settings.MonitorStarts = true;
        settings.MonitorInfoWindow = true;
        settings.MonitorInfoSeconds = "12 s";
        settings.Shortcuts[0] = {"Notatnik", "notepad.exe", "L"};
        settings.Shortcuts[1] = {"_ZEGAR", "zachowane", "P"};
        settings.Shortcuts[2] = {"", "bez tekstu.exe", ""};
        settings.Shortcuts[3] = {"\xA3\xF3\x64\x9F", "C:\\Gry\\\xB3\xF3\x64\x9F.exe", ""};  // "Łódź"
        settings.ActiveColor = 0x0000FF;
        settings.InactiveColor = 0x00FF00;
        settings.BackgroundMode = BackgroundMode::TiledPicture;
        settings.BackgroundPicture = "C:\\brak\\tekstura.bmp";
        settings.MonitorShutdowns = true;
        return settings;
    }

    HWND Control(int id) const { return test::DescendantWithId(setup_.hwnd(), id); }
    bool Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Shown(int id) const { return (GetWindowLongPtrW(Control(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    std::wstring Text(int id) const {
        wchar_t text[256] = {};
        GetWindowTextW(Control(id), text, 256);
        return text;
    }
    void Press(int id) const {
        SendMessageW(setup_.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
    }
    std::string FileBytes() const { return ReadWholeFile(file_.Path()).value_or("(missing)"); }

    test::ScratchSettings file_;
    Program program_;
    Tf_main& panel_ = program_.f_main;
    Tf_setup& setup_ = program_.f_setup;
};

// The form's client size, its buttons' captions, its tab names and the OK
// button's place (at 144 dpi) are checked from outside (tests/e2e). The
// places here are the design's at 96 dpi, in the page or form that holds
// each control: a control in a group box lies at the box's place on the page
// plus its own place in the box.
TEST_F(SetupFormTest, EveryControlLiesWhereTheDesignPutsItWithItsCaptionAndFont) {
    const struct {
        int id;
        int reference;  // the page or form the place is measured in
        RECT bounds;
        const wchar_t* caption;
    } expected[] = {
        {kPageControlId, 0, {8, 8, 513, 193}, L""},
        {kAnulujButtonId, 0, {278, 200, 353, 225}, nullptr},
        {kHelpButtonId, 0, {358, 200, 433, 225}, nullptr},
        {kStringGrid1Id, 190, {8, 12, 489, 149}, nullptr},
        {kRadioGroup1Id, 191, {8, 8, 161, 74}, L"Wygląd na pulpicie"},
        {kXEditId, 191, {104, 94, 153, 116}, nullptr},
        {kYEditId, 191, {104, 118, 153, 140}, nullptr},
        {kKolBoxId, 191, {176, 24, 486, 41}, L"&Zmieniaj kolor napisu znajdującego się pod kursorem myszki"},
        {kSekBoxId, 191, {176, 40, 486, 57}, L"&Na zegarze podawaj także sekundy "},
        {kRgTloId, 191, {168, 70, 313, 148}, L"Tło programu "},
        {kDemoId, 191, {338, 90, 473, 139}, nullptr},
        {kMonitOnBoxId, 192, {16, 24, 266, 41}, L"&Włącz monitorowanie uruchomień komputera"},
        {kMonitSekEditId, 192, {168, 96, 201, 118}, nullptr},
        {kBtnListaId, 192, {326, 64, 473, 89}, L"&Lista uruchomień..."},
        {kBtnLastId, 192, {326, 96, 473, 121}, L"Ostatnie &uruchomienie..."},
    };
    const auto placeOf = [&](int id, int reference) {
        RECT bounds;
        GetWindowRect(Control(id), &bounds);
        MapWindowPoints(nullptr, reference ? Control(reference) : setup_.hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
        return bounds;
    };
    const auto fontHeightOf = [&](int id) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(id), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    };
    const auto checkDesign = [&] {
        for (const auto& control : expected) {
            ASSERT_NE(Control(control.id), nullptr) << control.id;
            const RECT bounds = placeOf(control.id, control.reference);
            EXPECT_TRUE(EqualRect(&bounds, &control.bounds)) << control.id << ": " << bounds.left << "," << bounds.top
                                                             << "," << bounds.right << "," << bounds.bottom;
            if (control.caption) {
                EXPECT_EQ(Text(control.id), control.caption) << control.id;
            }
        }
        // The labels beside the seconds box, sized to their text: their top-left
        // corners, the box's place (8, 8) on the page plus theirs in it.
        for (const auto& [id, left] : {std::pair{kMLab1Id, 34L}, std::pair{kMLab2Id, 208L}}) {
            const RECT bounds = placeOf(id, 192);
            EXPECT_EQ(bounds.left, left) << id;
            EXPECT_EQ(bounds.top, 96) << id;
        }
        // Everything on the tabs in Arial 8 pt, Central European, the buttons too.
        for (int id : {kKolBoxId, kXEditId, kRadioGroup1Id, kMonitOnBoxId, kPageControlId, kOKButtonId}) {
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(id), WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial") << id;
            EXPECT_EQ(font.lfHeight, -11) << id;
            EXPECT_EQ(font.lfCharSet, EASTEUROPE_CHARSET) << id;
        }
        EXPECT_EQ(setup_.StringGrid1.ColumnWidth(2), 297);
    };
    checkDesign();

    // On a monitor of 144 dpi every place, font and grid measure is scaled;
    // back at 96 dpi the form is exactly its design again.
    const auto moveTo = [&](int dpi) {
        RECT suggested{0, 0, 800, 400};
        SendMessageW(setup_.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    };
    moveTo(144);
    const RECT tabs = placeOf(kPageControlId, 0);
    EXPECT_EQ(tabs.right - tabs.left, 758);
    const RECT x = placeOf(kXEditId, 191);
    EXPECT_EQ(x.left, 156);
    EXPECT_EQ(x.top, 141);
    EXPECT_EQ(fontHeightOf(kKolBoxId), -17);
    EXPECT_EQ(fontHeightOf(kOKButtonId), -17);
    EXPECT_EQ(setup_.StringGrid1.ColumnWidth(2), 446);  // 297 * 1.5 = 445.5
    moveTo(96);
    checkDesign();
    EXPECT_EQ(setup_.StringGrid1.Cell(1, 0), L"Tekst na pulpicie");
    EXPECT_EQ(setup_.StringGrid1.Cell(3, 0), L"$");
    EXPECT_EQ(setup_.StringGrid1.Cell(0, 20), L"20");
}

TEST_F(SetupFormTest, TheFillShowsTheFileWithoutOpeningAnyDialogAndAnUnchangedOkWritesTheSameBytes) {
    const std::string before = FileBytes();
    {
        test::BoxAnswerer canceller(IDCANCEL);
        setup_.Show();
        EXPECT_EQ(canceller.Opened(), 0) << "the texture from the file opened no file dialog";
    }
    EXPECT_TRUE(Checked(kPlacementMovableId));
    EXPECT_FALSE(Checked(kPlacementFixedId));
    EXPECT_EQ(Text(kXEditId), L"140");
    EXPECT_EQ(Text(kYEditId), L"70");
    EXPECT_TRUE(Checked(kKolBoxId));
    EXPECT_FALSE(Checked(kSekBoxId));
    EXPECT_TRUE(Checked(kMonitWindowOnBoxId));
    EXPECT_EQ(Text(kMonitSekEditId), L"12 s");
    EXPECT_EQ(setup_.StringGrid1.Cell(2, 2), L"zachowane") << "a clock slot keeps its command";
    EXPECT_EQ(setup_.StringGrid1.Cell(2, 3), L"bez tekstu.exe");
    EXPECT_EQ(setup_.StringGrid1.Cell(1, 4), L"Łódź");
    EXPECT_TRUE(Checked(kTloTextureId));
    EXPECT_TRUE(Checked(kMonitOnOffBoxId));

    Press(kOKButtonId);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(SetupFormTest, RadioGroupsClampTheFileAndSaveWhatTheyShow) {
    Settings settings = Known();
    for (const auto& [stored, shown, saved] : {std::tuple{7, 1, 1}, std::tuple{-5, -1, -1}}) {
        settings.Placement = PanelPlacement{stored};
        settings.BackgroundMode = BackgroundMode{stored};
        file_.Write(settings);
        test::BoxAnswerer canceller(IDCANCEL);
        setup_.Show();
        EXPECT_EQ(Checked(kPlacementFixedId), shown == 0) << stored;
        EXPECT_EQ(Checked(kPlacementMovableId), shown == 1) << stored;
        EXPECT_EQ(Checked(kTloTextureId), shown == 1) << "7 shows the last item";
        Press(kOKButtonId);
        LineReader reader = LineReader::FromText(FileBytes());
        const Settings written = ReadSettings(reader, SettingsReader::Panel);
        EXPECT_EQ(written.Placement, PanelPlacement{saved}) << stored;
        EXPECT_EQ(written.BackgroundMode, BackgroundMode{stored == 7 ? 3 : -1}) << stored;
        setup_.Hide();
    }
}

TEST_F(SetupFormTest, TheMonitoringBoxHidesAndShowsWhatDependsOnIt) {
    setup_.Show();
    const int dependants[] = {kMonitWindowOnBoxId, kMLab1Id, kMLab2Id, kMonitSekEditId};
    SendMessageW(Control(kMonitOnBoxId), BM_CLICK, 0, 0);
    EXPECT_FALSE(Checked(kMonitOnBoxId));
    EXPECT_FALSE(Checked(kMonitWindowOnBoxId));
    for (int id : dependants) EXPECT_FALSE(Shown(id)) << id;
    SendMessageW(Control(kMonitOnOffBoxId), BM_CLICK, 0, 0);
    for (int id : dependants) EXPECT_FALSE(Shown(id)) << "the shutdown box shows nothing";
    SendMessageW(Control(kMonitOnBoxId), BM_CLICK, 0, 0);
    for (int id : dependants) EXPECT_TRUE(Shown(id)) << id;
    EXPECT_FALSE(Checked(kMonitWindowOnBoxId)) << "shown again unticked";
}

TEST_F(SetupFormTest, AChangedCellIsSavedAndShownOnThePanelAtOnce) {
    setup_.Show();
    setup_.StringGrid1.SetCell(1, 1, L"Zażółć gęślą");
    Press(kOKButtonId);
    LineReader reader = LineReader::FromText(FileBytes());
    const Settings written = ReadSettings(reader, SettingsReader::Panel);
    EXPECT_EQ(written.Shortcuts[0].Text, ToCp1250(L"Zażółć gęślą"));
    EXPECT_EQ(panel_.Labels()[0].View.Caption, L"Zażółć gęślą");
}

TEST_F(SetupFormTest, AFileDroppedOnARowIsItsCommandAndNamesItWhereItHasNoText) {
    setup_.Show();
    StringGrid& grid = setup_.StringGrid1;
    for (const int row : {1, 3}) {
        const RECT cell = grid.CellBounds(0, row);
        SendMessageW(grid.hwnd(), WM_DROPFILES, test::DropOf({cell.left + 2, cell.top + 2}, {L"D:\\Menu\\Gra.lnk"}), 0);
    }
    EXPECT_EQ(grid.Cell(1, 1) + L"|" + grid.Cell(2, 1), L"Notatnik|D:\\Menu\\Gra.lnk");
    EXPECT_EQ(grid.Cell(1, 3) + L"|" + grid.Cell(2, 3), L"Gra|D:\\Menu\\Gra.lnk");
    EXPECT_EQ(FileBytes(), FormatSettings(Known())) << "saved by OK only";
}

TEST_F(SetupFormTest, ACoordinateThatIsNoWholeNumberIsRefusedAndNothingIsWritten) {
    setup_.Show();
    const std::string before = FileBytes();
    for (const wchar_t* bad : {L"", L"12a", L"99999999999"}) {
        SetWindowTextW(Control(kYEditId), bad);
        test::BoxAnswerer answerer;
        Press(kOKButtonId);
        ASSERT_TRUE(answerer.Answered()) << bad;
        EXPECT_EQ(answerer.Title(), L"=VELK=");
        EXPECT_EQ(answerer.Text(), L"'" + std::wstring(bad) + L"' is not a valid integer value.");
        EXPECT_EQ(FileBytes(), before);
        EXPECT_EQ(GetFocus(), Control(kYEditId));
    }
}

TEST_F(SetupFormTest, ATextThatCodePage1250CannotHoldIsRefusedByItsPlaceAndNothingIsWritten) {
    const std::string before = FileBytes();
    const struct { int column, row; const wchar_t *text, *place; } cases[] = {  // column 0: the seconds' box
        {1, 3, L"Привет", L"Linia 3"}, {3, 20, L"à", L"Linia 20"},  // "à" is no "a"
        {2, 1, L"C:\\Игры\\typed.exe", L"Linia 1"}, {0, 0, L"10 с", L"Czas wyświetlania okienka"}};
    for (const auto& example : cases) {
        setup_.Show();  // the file's texts again
        if (example.column) setup_.StringGrid1.SetCell(example.column, example.row, example.text);
        if (!example.column) SetWindowTextW(Control(kMonitSekEditId), example.text);
        test::BoxAnswerer answerer;
        Press(kOKButtonId);
        ASSERT_TRUE(answerer.Answered()) << example.place;
        EXPECT_EQ(answerer.Title() + L" " + answerer.Text(),
                  L"Błąd! " + std::wstring(example.place) + L" ma znaki spoza strony kodowej 1250!");
        EXPECT_EQ(FileBytes(), before);
        setup_.Hide();
    }
}

TEST_F(SetupFormTest, AMissingFileIsToldAndHugeTextsAreShownAndSavedWhole) {
    file_.Remove();
    {
        test::BoxAnswerer answerer;
        setup_.Show();
        ASSERT_TRUE(answerer.Answered());
        EXPECT_EQ(answerer.Title(), L"Błąd!");
        EXPECT_EQ(answerer.Text(), L"Nie mogę otworzyć pliku ustawień!");
    }
    EXPECT_EQ(Text(kXEditId), L"140") << "X and Y still show the panel's place";
    setup_.Hide();

    Settings settings = Known();
    settings.Shortcuts[5].Command = std::string(1 << 20, 'x');
    settings.BackgroundMode = BackgroundMode::TiledPicture;
    settings.BackgroundPicture = "C:\\" + std::string(5000, 'd') + ".bmp";
    file_.Write(settings);
    setup_.Show();
    EXPECT_EQ(setup_.StringGrid1.Cell(2, 6).size(), size_t{1} << 20);
    Press(kOKButtonId);
    EXPECT_EQ(FileBytes(), FormatSettings(settings)) << "nothing cut";
}

}  // namespace
}  // namespace velk
