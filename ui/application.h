#pragma once
// The application: its title (the text of the taskbar button), the hidden
// window that owns every form, and the message loop.
#include <windows.h>

#include <string>

namespace velk {

class Form;

class Application {
public:
    // Sets the title and the help file name and creates the owner window.
    static void Initialize(const std::wstring& title, const std::wstring& helpFile);
    static const std::wstring& Title();
    static const std::wstring& HelpFile();
    // Owner of every form; its title is the application title.
    static HWND Handle();

    // Shows the main form and runs the message loop until the main form has
    // closed; returns the exit code.
    static int Run(Form& mainForm);
    static void Terminate();

    // Gives a form the chance to translate the message (accelerators, dialog
    // keys), then dispatches it. Used by every message loop of the program.
    static void DispatchOne(MSG& msg);
};

}  // namespace velk
