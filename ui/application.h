#pragma once
// The application: its title (the text of the taskbar button), the hidden
// window that owns every form, and the message loop. One object, made by
// the program's entry point and alive while any form is; the framework finds
// it through Current().
#include <windows.h>

#include <string>

#include "ui/window.h"

namespace velk {

class Form;

// The titles of the program's own boxes (ui/message_box.h), in its language.
struct BoxTitles {
    const wchar_t* error = nullptr;        // a failure
    const wchar_t* information = nullptr;  // a confirmation
};

class Application final : public WindowBase {
public:
    // Sets the title, also of the error boxes, and creates the owner window.
    // Gone, it gives the error boxes back the title they had before it.
    explicit Application(std::wstring title, BoxTitles boxTitles = {});
    ~Application();

    // The object alive now, or null before it is made and after it is gone.
    static Application* Current() { return current_; }

    const BoxTitles& Boxes() const { return boxTitles_; }

    // Owner of every form; its title is the application title.
    HWND Handle() const { return hwnd(); }
    // The form Run shows, while it runs.
    Form* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until the main form has
    // closed; returns the exit code.
    int Run(Form& mainForm);
    static void Terminate();
    // The Windows session ends: the main form's last word, then the process
    // ends at once, running no close handling.
    [[noreturn]] static void EndSession();

    // Gives a form the chance to translate the message (accelerators, dialog
    // keys), then dispatches it. Used by every message loop of the program.
    static void DispatchOne(MSG& msg);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The focus goes on to the main form; a close (the taskbar's) asks the
    // main form to close.
    void OnSetFocus();
    void OnClose();

    static Application* current_;
    std::wstring title_;
    BoxTitles boxTitles_;
    const wchar_t* outerErrorBoxTitle_;
    Form* mainForm_ = nullptr;
};

}  // namespace velk
