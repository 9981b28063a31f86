#pragma once
// The program: the five forms, created in their order and alive until the
// end, and the commands that cross from one window to another. The feature
// windows know nothing of each other or of the panel: what they need comes
// from here, as values and callbacks.
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

    // Creates the five windows hidden; false (after the error box) when one
    // cannot be made.
    bool Create();
    // Shows the panel and runs the message loop until it closes.
    int Run();

    Tf_main f_main;
    Tf_setup f_setup;
    Tf_info f_info;
    Tf_monitor f_monitor;
    Tf_lista f_lista;
};

// The settings dialog's links to the panel and the launch log's windows.
SetupLinks LinksOf(Tf_main& panel, Tf_monitor& lastLaunch, Tf_lista& launchList);

}  // namespace velk
