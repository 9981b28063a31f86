#include "settings/setup_design.h"

#include "settings/setup_ids.h"

namespace velk {

namespace {

using K = ControlKind;

// Every control but the grid, which the dialog makes in the place kept for
// it. Positions are those of the form's description, each in its group box
// or tab page.
constexpr ControlDesign kLayout[] = {
    {K::Tabs, kPageControlId, 0, 8, 8, 505, 185, L"", kTabFont},
    {K::Page, kShortcutsPageId, kPageControlId, 0, 0, 0, 0, L"Skróty"},
    {K::Custom, kStringGrid1Id, kShortcutsPageId, 8, 12, 481, 137},
    {K::Page, kLookPageId, kPageControlId, 0, 0, 0, 0, L"Wygląd"},
    {K::GroupBox, kRadioGroup1Id, kLookPageId, 8, 8, 153, 66, L"Wygląd na pulpicie", kTabFont},
    {K::RadioButton, kPlacementFixedId, kRadioGroup1Id, 8, 16, 137, 22, L"&stałe miejsce", kTabFont},
    {K::RadioButton, kPlacementMovableId, kRadioGroup1Id, 8, 38, 137, 22, L"p&rzesuwalne okienko",
     kTabFont},
    {K::GroupBox, kGroupBox1Id, kLookPageId, 8, 78, 153, 70, L"Położenie na pulpicie", kTabFont},
    {K::Label, kLabel2Id, kGroupBox1Id, 8, 20, 0, 13, L"współrzędna &X =", kTabFont},
    {K::Edit, kXEditId, kGroupBox1Id, 96, 16, 49, 22, L"", kTabFont},
    {K::Label, kLabel3Id, kGroupBox1Id, 8, 44, 0, 13, L"współrzędna &Y =", kTabFont},
    {K::Edit, kYEditId, kGroupBox1Id, 96, 40, 49, 22, L"", kTabFont},
    {K::GroupBox, kGroupBox2Id, kLookPageId, 168, 8, 321, 57, L"Opcje", kTabFont},
    {K::CheckBox, kKolBoxId, kGroupBox2Id, 8, 16, 310, 17,
     L"&Zmieniaj kolor napisu znajdującego się pod kursorem myszki", kTabFont},
    {K::CheckBox, kSekBoxId, kGroupBox2Id, 8, 32, 310, 17, L"&Na zegarze podawaj także sekundy ", kTabFont},
    {K::GroupBox, kRgTloId, kLookPageId, 168, 70, 145, 78, L"Tło programu ", kTabFont},
    {K::RadioButton, kTloDesktopId, kRgTloId, 8, 16, 129, 14, L"&kolor tła pulpitu", kTabFont},
    {K::RadioButton, kTloColorId, kRgTloId, 8, 30, 129, 14, L"&inny kolor...", kTabFont},
    {K::RadioButton, kTloStretchId, kRgTloId, 8, 44, 129, 14, L"roz&ciągnięty rysunek...", kTabFont},
    {K::RadioButton, kTloTextureId, kRgTloId, 8, 58, 129, 14, L"rysunek - &tekstura...", kTabFont},
    {K::GroupBox, kGroupBox4Id, kLookPageId, 320, 70, 169, 78, L"Kolory napisów (kliknij na napis)",
     kTabFont},
    // shp_Demo and img_Demo in one: the preview, with lab_Active and
    // lab_Unactive drawn over it.
    {K::Label, kDemoId, kGroupBox4Id, 18, 20, kPreviewWidth, kPreviewHeight, L"", kTabFont,
     SS_OWNERDRAW | SS_NOTIFY},
    {K::Page, kMonitoringPageId, kPageControlId, 0, 0, 0, 0, L"Monitoring"},
    {K::GroupBox, kGroupBox3Id, kMonitoringPageId, 8, 8, 297, 121, L"Konfiguracja", kTabFont},
    {K::CheckBox, kMonitOnBoxId, kGroupBox3Id, 8, 16, 250, 17,
     L"&Włącz monitorowanie uruchomień komputera", kTabFont},
    {K::CheckBox, kMonitOnOffBoxId, kGroupBox3Id, 8, 32, 250, 17,
     L"Włącz monitorowanie w&yłączeń komputera", kTabFont},
    {K::CheckBox, kMonitWindowOnBoxId, kGroupBox3Id, 8, 64, 281, 17,
     L"Podczas uruchomienia wyświetl okienko &informacyjne", kTabFont},
    {K::Label, kMLab1Id, kGroupBox3Id, 26, 88, 0, 13, L"&Czas wyświetlania okienka:", kTabFont},
    {K::Edit, kMonitSekEditId, kGroupBox3Id, 160, 88, 33, 22, L"10", kTabFont},
    {K::Label, kMLab2Id, kGroupBox3Id, 200, 88, 0, 13, L"sekund", kTabFont},
    {K::GroupBox, kGroupBox5Id, kMonitoringPageId, 312, 8, 177, 121, L"Kontrola", kTabFont},
    {K::Button, kBtnListaId, kGroupBox5Id, 14, 56, 147, 25, L"&Lista uruchomień...", kButtonFont, 0,
     bkList},
    {K::Button, kBtnLastId, kGroupBox5Id, 14, 88, 147, 25, L"Ostatnie &uruchomienie...", kButtonFont, 0,
     bkClock},
    {K::Bevel, kBevel1Id, kMonitoringPageId, 8, 144, 481, 2},
    {K::Button, kAnulujButtonId, 0, 278, 200, 75, 25, L"&Anuluj", kButtonFont, 0, bkAbort},
    {K::Button, kHelpButtonId, 0, 358, 200, 75, 25, L"&Pomoc", kButtonFont, 0, bkHelp},
    {K::Button, kOKButtonId, 0, 440, 200, 73, 25, L"&OK", kButtonFont, 0, bkOK},
};

}  // namespace

const FormArgs kSetupWindow{.className = L"Tf_setup", .caption = L"Ustawienia programu VELK",
                            .exStyle = WS_EX_CONTROLPARENT, .left = 153, .top = 184, .clientWidth = 517,
                            .clientHeight = 230, .iconResource = 1};

std::span<const ControlDesign> SetupLayout() { return kLayout; }

}  // namespace velk
