#pragma once
// The base of the program's dialog-like forms: controls and fonts from
// design tables, made anew at every change of dpi, the keyboard of a dialog
// (Tab, mnemonics, the default button, Ctrl+Tab between tab pages), glyph
// buttons drawn, and the buttons' clicks handed to OnCommand.
#include <span>
#include <vector>

#include "ui/dialog_keys.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "win/handles.h"

namespace velk {

struct DialogStyle {
    int defaultButtonId = 0;     // pressed by Enter; 0: Enter presses nothing
    bool escapeCloses = true;    // Escape as the close box
};

class DialogForm : public Form {
public:
    explicit DialogForm(DialogStyle style) : style_(style), dialogKeys_(style.defaultButtonId) {}

    bool PreTranslateMessage(MSG& msg) override;

protected:
    // After Form::Create: the design's fonts at the form's dpi and the
    // design's controls in them, then ApplyDpi; false when Windows refuses
    // any control. Both tables outlive the form.
    bool CreateControls(std::span<const ControlDesign> design, std::span<const FontDesign> fonts);
    // The design's font of that index at the form's dpi.
    HFONT FontOf(int index) const { return fonts_[static_cast<size_t>(index)].get(); }
    // What the form sizes by its dpi itself, once its fonts and controls are
    // at that dpi: after their creation and at every change of dpi.
    virtual void ApplyDpi() {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A control's command: a button's click, a box's change.
    virtual void OnCommand(int, int) {}

    FormControls Controls;

private:
    void OnDpiChanged(const RECT& suggested) final;
    void MakeFonts();
    // WM_COMMAND, WM_NOTIFY and WM_DRAWITEM of the dialog's controls.
    void OnCommandMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotifyMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);

    DialogStyle style_;
    DialogKeys dialogKeys_;
    std::span<const FontDesign> fontDesign_;
    std::vector<Font> fonts_;
};

}  // namespace velk
