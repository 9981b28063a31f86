#pragma once
// The base of the program's dialog-like forms: controls from a design table,
// the keyboard of a dialog (Tab, mnemonics, the default button, Ctrl+Tab
// between tab pages), glyph buttons drawn, and the buttons' clicks handed to
// OnCommand.
#include "ui/dialog_keys.h"
#include "ui/form.h"
#include "ui/form_layout.h"

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
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A control's command: a button's click, a box's change.
    virtual void OnCommand(int id, int code) = 0;

    FormControls Controls;

private:
    DialogStyle style_;
    DialogKeys dialogKeys_;
};

}  // namespace velk
