#include "app/program.h"

#include "monitor/launch_steps.h"
#include "ui/application.h"

namespace velk {

namespace {

// The standard error box's text when a window cannot be made.
constexpr wchar_t kCannotCreateWindow[] = L"Nie mogę utworzyć okna programu";

}  // namespace

Program::Program()
    : f_setup(LinksForSetup()), f_monitor(f_main.Monitoring), f_lista(f_main.Monitoring.ProgramDir) {
    f_main.SetCommands({.ShowAbout = [this] { if (Ready(f_info)) f_info.ShowModal(); },
                        .ShowSettings = [this] { if (Ready(f_setup)) f_setup.ShowModal(); },
                        .ShowLastLaunch = [this] { ShowLastLaunch(); },
                        .ShowLaunchList = [this] { ShowLaunchList(); },
                        .RecordStart = [this] { RecordStartStep(); }});
}

SetupLinks Program::LinksForSetup() {
    return SetupLinks{.ProgramDir = f_main.Monitoring.ProgramDir,
                      .PanelPosition = [this] { return f_main.Position(); },
                      .ApplySettings = [this] { f_main.LoadSettings(); },
                      .ShowLaunchList = [this] { ShowLaunchList(); },
                      .ShowLastLaunch = [this] { ShowLastLaunch(); },
                      .ShowHelp = ShowHelp};
}

bool Program::Create() { return EnsureCreated(f_main, nullptr, kCannotCreateWindow); }

int Program::Run() { return Application::Current()->Run(f_main); }

bool Program::Ready(Form& form) { return EnsureCreated(form, f_main.hwnd(), kCannotCreateWindow); }

void Program::RecordStartStep() {
    // The start is recorded even when its window cannot be made.
    Ready(f_monitor);
    RecordStart(f_main.Monitoring, f_monitor);
}

void Program::ShowLastLaunch() {
    if (Ready(f_monitor)) f_monitor.Show();
}

void Program::ShowLaunchList() {
    if (Ready(f_lista)) f_lista.ShowModal();
}

}  // namespace velk
