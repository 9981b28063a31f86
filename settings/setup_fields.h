#pragma once
// The settings dialog's controls as a Settings record: filled from the
// file's values at each showing, read back as the record the save writes.
#include <windows.h>

#include <functional>
#include <string>
#include <variant>

#include "settings/background_chooser.h"
#include "settings/settings_file.h"
#include "settings/setup_ids.h"
#include "ui/form_layout.h"
#include "ui/string_grid.h"

namespace velk {

// A run of radio buttons whose ids follow one another.
struct RadioGroup {
    int firstId;
    int count;
};
inline constexpr RadioGroup kPlacementGroup{kPlacementFixedId, 2};  // RadioGroup1
inline constexpr RadioGroup kBackgroundGroup{kTloDesktopId, 4};     // rg_Tlo

// What OK refuses: an X or Y box (id) whose text, as the user typed it, is
// no whole number; else a place holding a text that the settings file cannot
// hold, and the number of its line as the grid shows it (an empty text where
// it has none), both good until the dialog changes.
struct RefusedBox {
    int id;
    std::wstring text;
    const wchar_t* place;
    const wchar_t* number;
};

class SetupFields {
public:
    // The form's handlers that the fill runs, as a change of their controls
    // by the program runs them.
    struct Handlers {
        std::function<void()> MonitOnBoxClick;
        std::function<void()> rg_TloClick;
    };

    SetupFields(const FormControls& controls, StringGrid& grid, BackgroundChooser& background, Handlers handlers);

    // Every control but X and Y, which show the panel's place.
    void FillFrom(const Settings& settings);
    // The record the controls hold, or the first of X and Y that holds no
    // whole number, or else the first place holding a text that cannot be
    // stored.
    std::variant<Settings, RefusedBox> Read() const;

    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    // The checked item, -1 when none is.
    int RadioItem(RadioGroup group) const;
    // A value past the last item checks the last, one below the first none.
    void SetRadioItem(RadioGroup group, int item);
    void SetShown(int id, bool shown);

private:
    const FormControls& controls_;
    StringGrid& grid_;
    BackgroundChooser& background_;
    Handlers handlers_;
};

}  // namespace velk
