// LoadSettings: velk.ini applied to the panel, value by value in file order.
#include <new>

#include "app/main_form.h"
#include "app/panel_text.h"
#include "win/exception.h"
#include "win/file_io.h"
#include "ui/message_box.h"
#include "win/text.h"

namespace velk {

namespace {


Alignment ToAlignment(SlotAlign align) {
    switch (align) {
    case SlotAlign::Left: return Alignment::Left;
    case SlotAlign::Right: return Alignment::Right;
    case SlotAlign::Centre: break;
    }
    return Alignment::Centre;
}

}  // namespace

void Tf_main::LoadSettings() {
    ReadAndApplySettings();
    UpdateClockTimer();
}

void Tf_main::UpdateClockTimer() {
    // The one-second tick runs only while a clock or a date line is there.
    const bool wanted = ClockOn || DateOn;
    if (wanted == clockTimerRunning_) return;
    clockTimerRunning_ = wanted;
    if (wanted)
        SetTimer(hwnd(), kClockTimer, 1000, nullptr);
    else
        KillTimer(hwnd(), kClockTimer);
}

void Tf_main::ReadAndApplySettings() {
    ClockOn = false;
    DateOn = false;
    ClockSeconds = false;
    Monitoring.MonitorInfoWindow = false;
    Monitoring.MonitorStarts = false;
    Monitoring.MonitorShutdowns = false;
    Monitoring.MonitorInfoSeconds = 10;

    const std::wstring path = Monitoring.ProgramDir + L"velk.ini";
    Settings settings;
    {
        std::optional<LineReader> SettingsStream = OpenLineReader(path);
        if (!SettingsStream) {
            ShowPlainBox(hwnd(), L"Nie mogę otworzyć pliku ustawień " + path + L" !", kErrorTitle);
            return;
        }
        try {
            settings = ReadSettings(*SettingsStream, SettingsReader::Panel);
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

void Tf_main::ApplySettings(const Settings& settings) {
    ApplyPlacement(settings.Placement);
    SetWindowPos(hwnd(), nullptr, settings.PosX, settings.PosY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    HoverHighlight = settings.HoverHighlight;
    ClockSeconds = settings.ClockSeconds;
    Monitoring.MonitorStarts = settings.MonitorStarts;
    PopupMenu1.EnableAt(kMonitoringMenuPosition, Monitoring.MonitorStarts);
    Monitoring.MonitorInfoWindow = settings.MonitorInfoWindow;
    Monitoring.MonitorInfoSeconds = ParseInt(settings.MonitorInfoSeconds);

    for (int slot = 0; slot < kSlotCount; ++slot) ApplySlot(slot, settings.Shortcuts[slot]);
    TrailingEmptyTop = velk::TrailingEmptyTop(settings.Shortcuts);
    const PanelSize size = PanelClientSize(TrailingEmptyTop, Dpi());
    SetClientSize(size.width, size.height);
    // The file keeps the place as saved; the panel stands where it can be reached.
    KeepReachable();

    ActiveColor = settings.ActiveColor;
    InactiveColor = settings.InactiveColor;
    if (!HoverHighlight) ResetLabelColors();

    ApplyBackground(settings);
    Monitoring.MonitorShutdowns = settings.MonitorShutdowns;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void Tf_main::ApplyPlacement(int32_t placement) {
    if (placement != 0 && placement != 1) return;
    const DWORD style = placement == 0 ? kBorderlessStyle : kToolWindowStyle;
    const DWORD exStyle = placement == 0 ? 0 : WS_EX_TOOLWINDOW;
    const auto current = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
    // The caption bar keeps WS_SYSMENU off the window while it is attached.
    if ((current & ~(WS_VISIBLE | WS_SYSMENU)) == (style & ~WS_SYSMENU)) return;

    // The frame changes in place and the client area keeps its size.
    RECT client;
    GetClientRect(hwnd(), &client);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(style | (current & WS_VISIBLE)));
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientSize(client.right, client.bottom);
}

void Tf_main::ApplySlot(int index, const ShortcutEntry& slot) {
    PanelLabel& label = labels_[index];
    Label& view = label.View;
    switch (ClassifySlot(slot.Text)) {
    case SlotKind::Unused:
        view.Visible = false;
        view.Align = Alignment::Centre;
        view.Caption.clear();
        label.Command.clear();
        break;
    case SlotKind::Clock:
    case SlotKind::Date:
        view.Visible = true;
        view.Align = Alignment::Centre;
        view.Caption.clear();
        label.Command = slot.Text;
        if (slot.Text == kClockKeyword) {
            ClockLabel = index;
            ClockOn = true;
        } else {
            DateLabel = index;
            DateOn = true;
        }
        break;
    case SlotKind::Shortcut:
        view.Visible = true;
        view.Caption = FromCp1250(slot.Text);
        label.Command = slot.Command;
        view.Align = ToAlignment(AlignFromCode(slot.Align));
        break;
    }
}

}  // namespace velk
