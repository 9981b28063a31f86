// VELK: a quick-access panel for the Windows desktop.
#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <new>

#include "about/info_form.h"
#include "app/main_form.h"
#include "core/text.h"
#include "monitor/lista_form.h"
#include "monitor/monitor_form.h"
#include "settings/setup_form.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/exception.h"
#include "ui/image_decoder.h"
#include "ui/message_box.h"

namespace {

int RunProgram() {
    using namespace velk;
    DeclareDpiAwareness();
    srand(GetTickCount());  // once, for the enciphered label's random keys
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    const ComApartment com;  // the imaging codecs of the PNG, JPEG and GIF pictures
    Application application(L"=VELK=", L"velk.hlp");
    Tf_main f_main;
    Tf_setup f_setup(f_main);
    Tf_info f_info;
    Tf_monitor f_monitor(f_main);
    Tf_lista f_lista(f_main);
    if (!CreateForms({&f_main, &f_setup, &f_info, &f_monitor, &f_lista})) return 1;
    f_main.SetCompanions({&f_setup, &f_info, &f_monitor, &f_lista});
    return application.Run(f_main);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Errors of the start-up itself, before or after the message loop; those
    // of a handler are shown and end only that handler.
    try {
        return RunProgram();
    } catch (const velk::Exception& error) {
        velk::ShowErrorBox(nullptr, error.Message());
    } catch (const std::bad_alloc&) {
        velk::ShowErrorBox(nullptr, L"Out of memory");
    } catch (const std::exception& error) {
        velk::ShowErrorBox(nullptr, velk::FromCp1250(error.what()));
    }
    return 1;
}
