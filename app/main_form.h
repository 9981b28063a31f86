#pragma once
// The panel: the main window, twenty shortcut lines, the clock and date, the
// popup menu; its close ends the program. The lines, the background, the
// keyboard and the screen reader's view each keep their own state; the
// window wires them to its messages.
#include <windows.h>
#include <shellapi.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/panel_background.h"
#include "app/panel_keyboard.h"
#include "app/panel_lock.h"
#include "app/panel_screen_reader.h"
#include "app/shortcut_lines.h"
#include "app/start_with_windows.h"
#include "app/win_reboot.h"
#include "caption/vora_caption.h"
#include "monitor/monitoring_options.h"
#include "settings/settings_file.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/window_timer.h"
#include "win/handles.h"

namespace velk {

// What the panel's menu and its start ask of the other windows; an unset
// command does nothing.
struct PanelCommands {
    std::function<void()> ShowAbout;
    std::function<void()> ShowSettings;
    std::function<void()> ShowLastLaunch;
    std::function<void()> ShowLaunchList;
    std::function<void()> RecordStart;  // the launch log's start step
};

// Opens the help beside the program (HelpFileIn) through the shell, for the
// owner window; nothing when there is none. F1 on the panel and "Pomoc" in
// the settings dialog.
void ShowHelp(HWND owner, const std::wstring& programDir);

class Tf_main : public Form {
public:
    Tf_main();

    // Builds the window hidden at its design place and runs FormCreate.
    ~Tf_main() override { Destroy(); }
    bool Create() override;
    void SetCommands(PanelCommands commands) { commands_ = std::move(commands); }
    // The lock a later start from the folder finds the panel in: the window
    // is published there as soon as it exists, before the settings are read.
    void PublishIn(const PanelLock& lock) { lock_ = &lock; }

    // Reads velk.ini and applies every value to the panel at once.
    void LoadSettings();
    // The panel's present left and top edges.
    POINT Position() const;

    bool PreTranslateMessage(MSG& msg) override;

    // Read by the launch log's steps and windows.
    MonitoringOptions Monitoring;

    HMENU PopupMenuHandle() const { return PopupMenu1.handle(); }

    // The labels in slot order: Labels[0] is Label1.
    const std::array<PanelLabel, kSlotCount>& Labels() const { return lines_.All(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnShow() override { FormShow(); }
    void OnDpiChanged(const RECT& suggested) override;
    Size DesignClientSize() const override;
    void OnCloseRequest() override;
    void OnSessionEnd() override { FormClose(); }

private:
    enum MenuCommand : UINT {
        kHelpCommand = 101,
        kAboutCommand,
        kSettingsCommand,
        kLastLaunchCommand,
        kLaunchListCommand,
        kCloseCommand,
        kStartupCommand,
    };
    static constexpr UINT kMonitoringMenuPosition = 4;
    static constexpr DWORD kBorderlessStyle = WS_POPUP | WS_CLIPCHILDREN;
    static constexpr DWORD kToolWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    // A line run on a screen reader's request, once its call has returned.
    static constexpr UINT kRunLineMessage = WM_APP + 1;

    // Events of the panel.
    void SetUpCaption();
    // The labels' places, the font and the caption's fonts at the form's dpi.
    void ApplyDpi();
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormMouseMove();
    void Label4MouseMove(int index);
    void Label4Click(int index);
    void TimerTimer();

    // Menu items.
    void Pomocdoprogramu1Click();
    void Oprogramie1Click();
    void Konfiguracja1Click();
    void Podajczasostatniegouruchomienia1Click();
    void Wywietllistwszystkichuruchomie1Click();
    void Zamknijprogram1Click();
    void Uruchamiajrazemzwindows1Click();
    void OnCommand(UINT id);
    // The menu opens: the start with Windows item shows the truth.
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);

    // Files dropped on the panel fill unused slots, saved at once.
    void WMDropFiles(HDROP drop);

    // Steps of LoadSettings.
    void ReadAndApplySettings();
    // The "Błąd!" box of a velk.ini that cannot be read.
    void ShowCannotOpenSettings(const std::wstring& path);
    void UpdateClockTimer();
    void ApplySettings(const Settings& settings);
    void ApplyPlacement(PanelPlacement placement);

    void BuildPopupMenu();
    void OnPaint();
    void OnPrintClient(HDC dc);
    void OnMouseMove(POINT point);
    void OnLeftButtonDown(POINT point);
    void OnLeftButtonUp(POINT point);
    void OnContextMenu(LPARAM lParam);
    void OpenMenuAtMark();
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    LRESULT BringForward();

    PanelCommands commands_;
    const PanelLock* lock_ = nullptr;
    bool closed_ = false;  // the shutdown step has run
    bool loadFailed_ = false;  // the last load could not read velk.ini
    StartWithWindows startup_{Monitoring.ProgramDir};
    TWinReboot WinReboot;
    // The caption bar of the movable tool window.
    TVoraCaption mrsc;
    ShortcutLines lines_;
    PanelBackground background_;
    PanelKeyboard keyboard_;
    PanelScreenReader screenReader_;
    PopupMenu PopupMenu1;
    AcceleratorTable accelerators_;
    int pressedLabel_ = -1;
    WindowTimer clockTimer_{1, 1000};
    // Posted by a later start from the program's folder.
    const UINT bringForwardMessage_ = PanelLock::BringForwardMessage();
};

}  // namespace velk
