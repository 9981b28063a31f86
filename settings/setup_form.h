#pragma once
// The settings dialog, shown modally from the panel's menu: it fills its
// controls from velk.ini at every showing, and its OK writes the file and
// has the panel apply it at once.
#include <functional>
#include <string>

#include "caption/vora_caption.h"
#include "settings/background_chooser.h"
#include "settings/setup_fields.h"
#include "ui/dialog_form.h"
#include "ui/string_grid.h"

namespace velk {

// What the dialog asks of the rest of the program.
struct SetupLinks {
    const std::wstring& ProgramDir;  // velk.ini's folder, with its trailing backslash
    std::function<POINT()> PanelPosition;
    std::function<void()> ApplySettings;  // the panel loads the velk.ini just written
    std::function<void()> ShowLaunchList;
    std::function<void()> ShowLastLaunch;
    // Opens the help beside the program, if there is one, for the owner window.
    void (*ShowHelp)(HWND owner, const std::wstring& programDir) = nullptr;
};

class Tf_setup : public DialogForm {
public:
    explicit Tf_setup(SetupLinks links);
    bool Create() override;

    // The grid of the "Skróty" tab.
    StringGrid StringGrid1;
    // The dialog's caption bar.
    TVoraCaption mrsc;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnShow() override { FormShow(); }
    // The caption bar's fonts, the samples' and the grid's measures.
    void ApplyDpi() override;
    void OnCommand(int id, int code) override;

private:

    void FormCreate();
    void FormShow();
    void OKButtonClick();
    void AnulujButtonClick();
    void HelpButtonClick();
    void MonitOnBoxClick();
    bool StringGrid1SelectCell(int column, int row);
    void StringGrid1DblClick();
    void btn_ListaClick();
    void btn_LastClick();
    void rg_TloClick();
    void lab_ActiveClick();
    void lab_UnactiveClick();

    // A background item clicked: rg_TloClick when it is another item.
    void BackgroundItemClick();
    // rg_Tlo set to an item by the program, with its handler run.
    void ChooseBackgroundItem(int item);
    // The message for an X or Y box that holds no whole number, and back to
    // that box.
    void RefuseBox(const RefusedBox& box);
    void OnPreviewClick();

    SetupLinks links_;

    // Kept while the dialog is hidden between showings.
    int selectedColumn_ = 0;
    int selectedRow_ = 0;
    bool loading_ = false;
    int chosenBackground_ = 0;  // rg_Tlo's item as last chosen; it starts on its first
    BackgroundChooser background_;

    SetupFields fields_;
};

}  // namespace velk
