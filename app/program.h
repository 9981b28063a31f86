#pragma once
// The program: the five forms and the commands that cross from one window
// to another. The start makes only the panel; each other window is made
// when it is first needed and then lives until the end. The feature windows
// know nothing of each other or of the panel: what they need comes from
// here, as values and callbacks.
#include "about/info_form.h"
#include "app/main_form.h"
#include "monitor/lista_form.h"
#include "monitor/monitor_form.h"
#include "settings/setup_form.h"

namespace velk {

class Program {
public:
    Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the panel hidden; false (after the error box) when it cannot
    // be made.
    bool Create();
    // Shows the panel and runs the message loop until it closes.
    int Run();

    // The settings dialog's links to the panel and the launch log's windows.
    SetupLinks LinksForSetup();

    Final<Tf_main> f_main;
    Final<Tf_setup> f_setup;
    Final<Tf_info> f_info;
    Final<Tf_monitor> f_monitor;
    Final<Tf_lista> f_lista;

private:
    // The form's window, made now if it is not yet; false (after the error
    // box) when it cannot be made, and the program goes on.
    bool Ready(Form& form);
    void RecordStartStep();
    void ShowLastLaunch();
    void ShowLaunchList();
};

}  // namespace velk
