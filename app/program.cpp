#include "app/program.h"

#include "monitor/launch_steps.h"
#include "ui/application.h"

namespace velk {

SetupLinks LinksOf(Tf_main& panel, Tf_monitor& lastLaunch, Tf_lista& launchList) {
    return SetupLinks{.ProgramDir = panel.Monitoring.ProgramDir,
                      .PanelPosition = [&panel] { return panel.Position(); },
                      .ApplySettings = [&panel] { panel.LoadSettings(); },
                      .ShowLaunchList = [&launchList] { launchList.ShowModal(); },
                      .ShowLastLaunch = [&lastLaunch] { lastLaunch.Show(); }};
}

Program::Program()
    : f_setup(LinksOf(f_main, f_monitor, f_lista)),
      f_monitor(f_main.Monitoring),
      f_lista(f_main.Monitoring.ProgramDir) {
    f_main.SetCommands({.ShowAbout = [this] { f_info.ShowModal(); },
                        .ShowSettings = [this] { f_setup.ShowModal(); },
                        .ShowLastLaunch = [this] { f_monitor.Show(); },
                        .ShowLaunchList = [this] { f_lista.ShowModal(); },
                        .RecordStart = [this] { velk::RecordStart(f_main.Monitoring, f_monitor); }});
}

bool Program::Create() { return CreateForms({&f_main, &f_setup, &f_info, &f_monitor, &f_lista}); }

int Program::Run() { return Application::Current()->Run(f_main); }

}  // namespace velk
