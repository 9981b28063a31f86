#pragma once
// The settings dialog's control ids: the dialog's layout and anything that
// finds its controls from outside name them alike.
namespace velk {

enum SetupControlId : int {
    kAnulujButtonId = 101,
    kHelpButtonId,
    kOKButtonId,
    kPageControlId,
    kStringGrid1Id = 110,
    kRadioGroup1Id = 120,
    kPlacementFixedId,    // "stałe miejsce"
    kPlacementMovableId,  // "przesuwalne okienko"
    kGroupBox1Id = 125,
    kLabel2Id,
    kXEditId,
    kLabel3Id,
    kYEditId,
    kGroupBox2Id = 135,
    kKolBoxId,
    kSekBoxId,
    kRgTloId = 150,
    kTloDesktopId,   // "kolor tła pulpitu"
    kTloColorId,     // "inny kolor..."
    kTloStretchId,   // "rozciągnięty rysunek..."
    kTloTextureId,   // "rysunek - tekstura..."
    kGroupBox4Id = 158,
    kDemoId,  // the background preview with the two sample labels drawn over it
    kGroupBox3Id = 165,
    kMonitOnBoxId,
    kMonitOnOffBoxId,
    kMonitWindowOnBoxId,
    kMLab1Id,
    kMonitSekEditId,
    kMLab2Id,
    kGroupBox5Id = 175,
    kBtnListaId,
    kBtnLastId,
    kBevel1Id,
    kShortcutsPageId = 190,  // "Skróty"
    kLookPageId,             // "Wygląd"
    kMonitoringPageId,       // "Monitoring"
};

}  // namespace velk
