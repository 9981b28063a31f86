// VELK: a quick-access panel for the Windows desktop.
#include <windows.h>
#include <commctrl.h>

#include "about/info_form.h"
#include "app/main_form.h"
#include "monitor/lista_form.h"
#include "monitor/monitor_form.h"
#include "settings/setup_form.h"
#include "ui/application.h"
#include "ui/exception.h"
#include "ui/message_box.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velk;
    srand(GetTickCount());  // once, for the enciphered label's random keys
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Application::Initialize(L"=VELK=", L"velk.hlp");
    try {
        Tf_main f_main;
        Tf_setup f_setup(f_main);
        Tf_info f_info;
        Tf_monitor f_monitor(f_main);
        Tf_lista f_lista(f_main);
        if (!f_main.Create()) return 1;
        f_setup.Create();
        f_info.Create();
        f_monitor.Create();
        f_lista.Create();
        f_main.SetCompanions({&f_setup, &f_info, &f_monitor, &f_lista});
        return Application::Run(f_main);
    } catch (const Exception& error) {
        ShowErrorBox(nullptr, error.Message());
        return 0;
    }
}
