#pragma once
// The keyboard of a dialog for a form that is not one. IsDialogMessage moves
// the focus, clicks buttons by their mnemonics and presses the default button
// on Enter, but it asks the form itself for that button (DM_GETDEFID) and to
// move the focus (WM_NEXTDLGCTL), and only a dialog keeps its focused control
// across deactivation; these answers are given here.
#include <windows.h>

namespace velk {

class DialogKeys {
public:
    explicit DialogKeys(int defaultId) : defaultId_(defaultId) {}

    // True when the message was one of the dialog's, with its result in
    // *result; false for every other message.
    bool Handle(HWND form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    void OnActivate(HWND form, bool active);
    static void OnNextControl(HWND form, WPARAM wParam, LPARAM lParam);

    int defaultId_;
    HWND lastFocus_ = nullptr;
};

}  // namespace velk
