#pragma once
// The settings dialog, shown modally from the panel's menu: it fills its
// controls from velk.ini at every showing, and its OK writes the file and
// has the panel apply it at once.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "caption/vora_caption.h"
#include "settings/settings_file.h"
#include "ui/dialog_form.h"
#include "win/handles.h"
#include "ui/string_grid.h"

namespace velk {

// What the dialog asks of the rest of the program.
struct SetupLinks {
    const std::wstring& ProgramDir;  // velk.ini's folder, with its trailing backslash
    std::function<POINT()> PanelPosition;
    std::function<void()> ApplySettings;  // the panel loads the velk.ini just written
    std::function<void()> ShowLaunchList;
    std::function<void()> ShowLastLaunch;
};

class Tf_setup : public DialogForm {
public:
    explicit Tf_setup(SetupLinks links);
    ~Tf_setup() override { Destroy(); }
    bool Create() override;

    // The grid of the "Skróty" tab.
    StringGrid StringGrid1;
    // The dialog's caption bar.
    TVoraCaption mrsc;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnShow() override { FormShow(); }
    void OnDpiChanged(const RECT& suggested) override;
    void OnCommand(int id, int code) override;

private:
    // The form's fonts at its dpi, the caption bar's among them.
    void MakeFonts();
    // What the background preview shows.
    enum class PreviewKind { Shape, Picture };

    void FormCreate();
    void FormShow();
    void FillFrom(const Settings& settings);
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

    // Steps of the background choice.
    void ShowShape(int32_t color);
    void ShowStretchedPicture(const std::wstring& path);
    void ShowTiledPicture(const std::wstring& path);
    // The preview's own copy of a picture, drawn once at the preview's size.
    void ShowPicture(const std::function<void(HDC, const RECT&)>& draw);
    void ChooseBackgroundItem(int item);

    // The common dialogs; false when the user cancels.
    bool RunColorDialog(COLORREF* chosen);
    bool RunOpenDialog(const wchar_t* filter, std::wstring* path);

    // The values the controls hold, for the save; nullopt (after its
    // message) when X or Y is not a whole number.
    std::optional<Settings> SettingsFromControls();
    std::optional<int32_t> WholeNumberIn(int editId);

    void OnPreviewClick();
    void DrawPreview(const DRAWITEMSTRUCT& item) const;
    RECT SampleBounds(bool active) const;

    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    int RadioItem(int firstId, int count) const;
    void SetRadioItem(int firstId, int count, int item);
    void SetShown(int id, bool shown);

    SetupLinks links_;
    Font tabFont_;
    Font buttonFont_;
    Font sampleFont_;

    // Kept while the dialog is hidden between showings.
    int selectedColumn_ = 0;
    int selectedRow_ = 0;
    int32_t editedBackgroundColor_ = 0;
    std::wstring editedPicturePath_;
    bool loading_ = false;

    int32_t activeColor_;    // lab_Active's font colour
    int32_t inactiveColor_;  // lab_Unactive's font colour

    PreviewKind previewKind_ = PreviewKind::Shape;
    int32_t previewColor_;
    Bitmap previewPicture_;  // the preview's own copy, stretched or tiled to its size

    // The colour dialog opens on the colour it last gave and keeps its
    // custom colours between uses.
    COLORREF lastColor_ = RGB(0, 0, 0);
    std::array<COLORREF, 16> customColors_{};
};

}  // namespace velk
