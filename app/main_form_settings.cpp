// LoadSettings: velk.ini applied to the panel, value by value in file order.
#include <new>

#include "app/main_form.h"
#include "app/panel_text.h"
#include "win/exception.h"
#include "win/file_io.h"
#include "ui/message_box.h"
#include "win/text.h"

namespace velk {

void Tf_main::LoadSettings() {
    ReadAndApplySettings();
    UpdateClockTimer();
}

void Tf_main::UpdateClockTimer() {
    // The one-second tick runs only while a clock or a date line is there.
    clockTimer_.Run(hwnd(), lines_.ShowTime());
}

void Tf_main::ReadAndApplySettings() {
    lines_.BeginLoad();
    Monitoring.MonitorInfoWindow = false;
    Monitoring.MonitorStarts = false;
    Monitoring.MonitorShutdowns = false;
    Monitoring.MonitorInfoSeconds = 10;

    const std::wstring path = Monitoring.ProgramDir + L"velk.ini";
    Settings settings;
    loadFailed_ = true;
    {
        std::optional<LineReader> SettingsStream = OpenLineReader(path);
        if (!SettingsStream) return ShowCannotOpenSettings(path);
        try {
            settings = ReadSettings(*SettingsStream, SettingsReader::Panel);
            loadFailed_ = false;
        } catch (const std::bad_alloc&) {
            // A line too long for memory: nothing of this load is applied.
            ShowErrorBox(hwnd(), L"Out of memory");
            return;
        }
    }
    try {
        ApplySettings(settings);
    } catch (const Exception& error) {
        // A picture that cannot be loaded ends the load where it stands.
        InvalidateRect(hwnd(), nullptr, FALSE);
        ShowErrorBox(hwnd(), error.Message());
    }
}

void Tf_main::ShowCannotOpenSettings(const std::wstring& path) {
    const DWORD_PTR inserts[] = {reinterpret_cast<DWORD_PTR>(path.c_str())};
    ShowErrorBoxFormatted(hwnd(), L"Nie mogę otworzyć pliku ustawień %1 !", inserts);
}

void Tf_main::ApplySettings(const Settings& settings) {
    ApplyPlacement(settings.Placement);
    SetWindowPos(hwnd(), nullptr, settings.PosX, settings.PosY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    Monitoring.MonitorStarts = settings.MonitorStarts;
    PopupMenu1.EnableAt(kMonitoringMenuPosition, Monitoring.MonitorStarts);
    Monitoring.MonitorInfoWindow = settings.MonitorInfoWindow;
    Monitoring.MonitorInfoSeconds = ParseInt(settings.MonitorInfoSeconds);

    lines_.Apply(settings);
    const PanelSize size = PanelClientSize(lines_.TrailingEmptyTop(), Dpi());
    SetClientSize(size.width, size.height);
    // The file keeps the place as saved; the panel stands where it can be reached.
    KeepReachable();

    lines_.ApplyColors(settings);
    background_.Apply(settings);
    Monitoring.MonitorShutdowns = settings.MonitorShutdowns;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void Tf_main::ApplyPlacement(PanelPlacement placement) {
    DWORD style = 0;
    // Files dropped on it are taken whatever its frame.
    DWORD exStyle = WS_EX_ACCEPTFILES;
    switch (placement) {
    case PanelPlacement::FixedPanel: style = kBorderlessStyle; break;
    case PanelPlacement::ToolWindow:
        style = kToolWindowStyle;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    default: return;  // another number leaves the border as it is
    }
    const auto current = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
    // The caption bar keeps WS_SYSMENU off the window while it is attached,
    // and Windows gives every top-level window WS_CLIPSIBLINGS: a placement
    // already in force changes no frame. Shown and disabled (by the settings
    // dialog's modal loop, whose OK loads the settings) are states, not
    // placement: they stay as they are.
    constexpr DWORD kState = WS_VISIBLE | WS_DISABLED;
    constexpr DWORD kNotCompared = kState | WS_SYSMENU | WS_CLIPSIBLINGS;
    if ((current & ~kNotCompared) == (style & ~kNotCompared)) return;

    // The frame changes in place and the client area keeps its size.
    RECT client;
    GetClientRect(hwnd(), &client);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(style | (current & kState)));
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientSize(client.right, client.bottom);
}

}  // namespace velk
