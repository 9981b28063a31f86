#include "settings/setup_fields.h"

#include <optional>
#include <utility>

#include "settings/setup_values.h"
#include "win/text.h"

namespace velk {

SetupFields::SetupFields(const FormControls& controls, StringGrid& grid, BackgroundChooser& background,
                         Handlers handlers)
    : controls_(controls), grid_(grid), background_(background), handlers_(std::move(handlers)) {}

void SetupFields::FillFrom(const Settings& settings) {
    SetRadioItem(kPlacementGroup, static_cast<int>(settings.Placement));
    SetChecked(kKolBoxId, settings.HoverHighlight);
    SetChecked(kSekBoxId, settings.ClockSeconds);
    SetChecked(kMonitOnBoxId, settings.MonitorStarts);
    handlers_.MonitOnBoxClick();
    if (settings.MonitorStarts) SetChecked(kMonitWindowOnBoxId, settings.MonitorInfoWindow);
    SetWindowTextW(controls_[kMonitSekEditId], FromCp1250(settings.MonitorInfoSeconds).c_str());
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ShortcutEntry& entry = settings.Shortcuts[slot];
        grid_.SetCell(1, slot + 1, FromCp1250(entry.Text));
        grid_.SetCell(2, slot + 1, FromCp1250(entry.Command));
        grid_.SetCell(3, slot + 1, FromCp1250(entry.Align));
    }
    background_.SetSampleColors(settings.ActiveColor, settings.InactiveColor);
    const int mode = static_cast<int>(settings.BackgroundMode);
    const bool changed = RadioItem(kBackgroundGroup) != mode;
    SetRadioItem(kBackgroundGroup, mode);
    // A change of item is a choice, as a click makes one; while loading it
    // only makes sure an item is chosen.
    if (changed && mode >= 0) handlers_.rg_TloClick();
    if (ModeHasColor(settings.BackgroundMode)) background_.SetBackgroundColor(settings.BackgroundColor);
    if (ModeHasPicture(settings.BackgroundMode)) background_.SetPicturePath(FromCp1250(settings.BackgroundPicture));
    SetChecked(kMonitOnOffBoxId, settings.MonitorShutdowns);
}

std::variant<Settings, RefusedBox> SetupFields::Read() const {
    Settings settings;
    // One refusal, made once: the first of X and Y that holds no whole
    // number, or else the first place that holds a text the file cannot hold
    // (a slot by its line's number, as the grid shows it). Nothing is
    // written then.
    RefusedBox refused{0, {}, nullptr, L""};
    for (const auto& [id, value] : {std::pair{kXEditId, &settings.PosX}, std::pair{kYEditId, &settings.PosY}}) {
        std::wstring text = ControlText(controls_[id]);
        const std::optional<int32_t> number = StrictInt(ToCp1250(text));
        if (number) {
            *value = *number;
        } else if (!refused.id) {
            refused.id = id;
            refused.text = std::move(text);
        }
    }
    settings.Placement = static_cast<PanelPlacement>(RadioItem(kPlacementGroup));
    settings.HoverHighlight = IsChecked(kKolBoxId);
    settings.ClockSeconds = IsChecked(kSekBoxId);
    settings.MonitorStarts = IsChecked(kMonitOnBoxId);
    settings.MonitorInfoWindow = IsChecked(kMonitWindowOnBoxId);
    bool lost = false;
    settings.MonitorInfoSeconds = ToCp1250(ControlText(controls_[kMonitSekEditId]), &lost);
    if (lost) refused.place = L"Czas wyświetlania okienka";
    for (int row = 1; row <= kSlotCount; ++row) {
        ShortcutEntry& entry = settings.Shortcuts[row - 1];
        std::string* const fields[] = {&entry.Text, &entry.Command, &entry.Align};
        for (int column = 1; column <= 3; ++column) *fields[column - 1] = ToCp1250(grid_.Cell(column, row), &lost);
        if (lost && !refused.place) {
            refused.place = L"Linia ";
            refused.number = grid_.Cell(0, row).c_str();
        }
    }
    const BackgroundChooser::Values& edited = background_.Edited();
    settings.ActiveColor = edited.ActiveColor;
    settings.InactiveColor = edited.InactiveColor;
    settings.BackgroundMode = static_cast<BackgroundMode>(RadioItem(kBackgroundGroup));
    settings.BackgroundColor = edited.BackgroundColor;
    if (ModeHasPicture(settings.BackgroundMode)) settings.BackgroundPicture = ToCp1250(edited.PicturePath, &lost);
    if (lost && !refused.place) refused.place = L"Rysunek tła";
    if (refused.id || refused.place) return refused;
    settings.MonitorShutdowns = IsChecked(kMonitOnOffBoxId);
    return settings;
}

bool SetupFields::IsChecked(int id) const {
    return SendMessageW(controls_[id], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetupFields::SetChecked(int id, bool checked) {
    SendMessageW(controls_[id], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int SetupFields::RadioItem(RadioGroup group) const {
    for (int item = 0; item < group.count; ++item)
        if (IsChecked(group.firstId + item)) return item;
    return -1;
}

void SetupFields::SetRadioItem(RadioGroup group, int item) {
    const int shown = item >= group.count ? group.count - 1 : item;
    for (int index = 0; index < group.count; ++index) SetChecked(group.firstId + index, index == shown);
}

void SetupFields::SetShown(int id, bool shown) { ShowWindow(controls_[id], shown ? SW_SHOW : SW_HIDE); }

}  // namespace velk
