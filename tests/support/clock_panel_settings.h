#pragma once
// The panel the leak tests and the repaint benchmark paint: a movable tool
// window with the seconds clock, a shortcut, the last line used, and the
// background of the given mode (a colour or a picture).
#include <string>

#include "settings/settings_file.h"

namespace velk::test {

inline Settings ClockPanelSettings(int mode, const std::string& picture = {}) {
    Settings settings;
    settings.Placement = PanelPlacement::ToolWindow;
    settings.ClockSeconds = true;
    settings.MonitorInfoSeconds = "10";
    settings.Shortcuts[0] = {"_ZEGAR", "", ""};
    settings.Shortcuts[1] = {"Notatnik", "notepad.exe", ""};
    settings.Shortcuts[19] = {"Ostatni", "", ""};
    settings.BackgroundMode = BackgroundMode{mode};
    settings.BackgroundColor = 0x804020;
    settings.BackgroundPicture = picture;
    return settings;
}

}  // namespace velk::test
