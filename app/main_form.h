#pragma once
// The panel: the main window, twenty shortcut labels, the clock and date, the
// popup menu; its close ends the program.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/win_reboot.h"
#include "caption/vora_caption.h"
#include "monitor/monitoring_options.h"
#include "settings/settings_file.h"
#include "ui/accessible_list.h"
#include "win/back_buffer.h"
#include "ui/form.h"
#include "win/handles.h"
#include "ui/label.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"

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

// The picture stretched over the whole client area in the picture mode.
struct StretchedImage {
    Picture Image;
    bool Visible = false;
};

struct PanelLabel {
    Label View;
    std::string Command;  // code-page-1250 bytes, never shown
};

class Tf_main : public Form, private AccessibleListSource {
public:
    Tf_main();

    // Builds the window hidden at its design place and runs FormCreate.
    ~Tf_main() override { Destroy(); }
    bool Create() override;
    void SetCommands(PanelCommands commands) { commands_ = std::move(commands); }

    // Reads velk.ini and applies every value to the panel at once.
    void LoadSettings();
    // The panel's present left and top edges.
    POINT Position() const;

    bool PreTranslateMessage(MSG& msg) override;

    // Read by the launch log's steps and windows.
    MonitoringOptions Monitoring;

    HMENU PopupMenuHandle() const { return PopupMenu1.handle(); }

    // The labels in slot order: Labels[0] is Label1.
    const std::array<PanelLabel, kSlotCount>& Labels() const { return labels_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnShow() override { FormShow(); }
    void OnDpiChanged(const RECT& suggested) override;
    void OnCloseRequest() override;

private:
    enum MenuCommand : UINT {
        kHelpCommand = 101,
        kAboutCommand,
        kSettingsCommand,
        kLastLaunchCommand,
        kLaunchListCommand,
        kCloseCommand,
    };
    static constexpr UINT kMonitoringMenuPosition = 4;
    static constexpr DWORD kBorderlessStyle = WS_POPUP | WS_CLIPCHILDREN;
    static constexpr DWORD kToolWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    static constexpr UINT_PTR kClockTimer = 1;
    // A line run on a screen reader's request, once its call has returned.
    static constexpr UINT kRunLineMessage = WM_APP + 1;
    static constexpr int32_t kDesktopColor = static_cast<int32_t>(0x80000001u);  // the system colour clBackground

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
    void OnCommand(UINT id);

    // Steps of LoadSettings.
    void ReadAndApplySettings();
    void UpdateClockTimer();
    void ApplySettings(const Settings& settings);
    void ApplyPlacement(int32_t placement);
    void ApplySlot(int index, const ShortcutEntry& slot);
    void ApplyBackground(const Settings& settings);
    void ResetLabelColors();
    void SetLabelColor(PanelLabel& label, int32_t color);
    // True when the text changed.
    bool SetLabelCaption(PanelLabel& label, std::wstring caption);

    void BuildPopupMenu();
    void LoadTextureOnce();
    void OnPaint();
    void OnPrintClient(HDC dc);
    // The background at the client's size, rendered once and kept until
    // the size or the background settings change.
    HDC RenderedBackground(HDC target);
    void PaintBackground(HDC dc, const RECT& client) const;
    void DrawLabels(HDC dc, const RECT& area) const;
    void OnMouseMove(POINT point);
    void OnLeftButtonDown(POINT point);
    void OnLeftButtonUp(POINT point);
    void OnContextMenu(LPARAM lParam);
    int LabelAt(POINT point) const;

    // The keyboard.
    bool OnKeyDown(WPARAM key);
    void OnChar(wchar_t character);
    void SetMark(int line);
    void InvalidateMark() const;
    void OnUpdateUiState(WPARAM wParam);
    void DrawMark(HDC dc) const;
    void OpenMenuAtMark();

    // The screen reader's view.
    std::vector<int> UsedLines() const;
    std::vector<AccessibleItem> AccessibleItems() const override;
    int AccessibleFocus() const override;
    void AccessibleSelect(int item) override;
    void AccessibleDoDefaultAction(int item) override;
    int ChildOfLine(int line) const;
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    void ReleaseAccessible();
    void TellFocus() const;
    void TellNameChange(int line);

    PanelCommands commands_;
    StretchedImage img_full;
    TWinReboot WinReboot;
    // The caption bar of the movable tool window.
    TVoraCaption mrsc;
    std::array<PanelLabel, kSlotCount> labels_;
    Font font_;
    PopupMenu PopupMenu1;
    AcceleratorTable accelerators_;
    int pressedLabel_ = -1;
    int mark_ = -1;          // the keyboard's line, none at first
    bool showFocus_ = false;  // the keyboard cues: shown once the keyboard is used
    AccessibleList* accessible_ = nullptr;  // one reference ours, from creation to WM_DESTROY
    bool clockNewsTold_ = false;
    DWORD lastClockNews_ = 0;
    bool clockTimerRunning_ = false;

    bool HoverHighlight = false;
    int32_t ActiveColor = 0xFF00FF;
    int32_t InactiveColor = 0xFFFFFF;
    bool ClockSeconds = false;
    bool ClockOn = false;
    bool DateOn = false;
    int ClockLabel = -1;
    int DateLabel = -1;
    int TrailingEmptyTop = 0;
    int32_t PanelColor = kDesktopColor;
    std::wstring TexturePath;
    std::wstring LoadedTexturePath;
    Picture TextureBitmap;
    CachedBitmap background_;
    // A texture that failed is reported once, not at every paint: the box
    // would otherwise reopen itself with each repaint behind it.
    std::wstring ReportedTexturePath;
};

}  // namespace velk
