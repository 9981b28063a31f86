// VELK: a quick-access panel for the Windows desktop.
#include <windows.h>

#include "app/panel_lock.h"
#include "app/program.h"
#include "core/shell_command.h"
#include "ui/application.h"
#include "win/dpi.h"
#include "win/error_box.h"
#include "win/error_report.h"
#include "win/file_io.h"
#include "win/system_library.h"

namespace {

constexpr wchar_t kTitle[] = L"=VELK=";
constexpr velk::BoxTitles kBoxTitles{.error = L"Błąd!", .information = L"Informacja"};

int RunProgram() {
    using namespace velk;
    std::wstring folder = ExecutableFolder();
    const PanelLock lock(folder);
    if (!lock.IsFirst()) {
        lock.BringFirstForward();
        return 0;
    }
    // For the shortcuts' commands and the programs they start.
    folder.resize(folder.size() - 1);  // without its trailing backslash
    SetEnvironmentVariableW(kProgramFolderVariable, folder.c_str());
    DeclareDpiAwareness();
    srand(GetTickCount());  // once, for the enciphered label's random keys
    Application application(kTitle, kBoxTitles);
    Program program;
    program.f_main.PublishIn(lock);
    if (!program.Create()) return 1;
    return program.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a DLL by its name.
    velk::LoadSystemDllsFromSystem32Only();
    // Titled as every box of the program, also before the application object
    // is made and after it is gone.
    velk::SetErrorBoxTitle(kTitle);
    // Errors of the start-up itself, before or after the message loop; those
    // of a handler are shown and end only that handler.
    try {
        return RunProgram();
    } catch (...) {
        velk::ReportCurrentError(nullptr);
    }
    return 1;
}
