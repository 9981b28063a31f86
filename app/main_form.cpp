#include "app/main_form.h"

#include <windowsx.h>

#include "app/help_file.h"
#include "app/panel_text.h"
#include "core/shell_command.h"
#include "monitor/launch_steps.h"
#include "ui/application.h"
#include "win/back_buffer.h"
#include "win/file_io.h"
#include "win/system_library.h"
#include "win/text.h"

namespace velk {

namespace {

void Run(const std::function<void()>& command) {
    if (command) command();
}

PathKind KindOf(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathKind::Folder : PathKind::File;
}

// A variable that is not set stays as it is written, as the shell leaves it.
std::wstring ExpandVariables(const std::wstring& text) {
    wchar_t expanded[32768];  // more than a command line can hold (32,767)
    const DWORD size = ExpandEnvironmentStringsW(text.c_str(), expanded, std::size(expanded));
    return size == 0 || size > std::size(expanded) ? text : std::wstring(expanded, size - 1);
}

const wchar_t* NullIfEmpty(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// The command as a user types it (core/shell_command.h).
void OpenCommand(HWND owner, const std::wstring& typed, const std::wstring& programDir) {
    const ShellCommand command = ResolveCommand(typed, {programDir, ExpandVariables, KindOf});
    if (!command.file.empty())
        ShellOpen(owner, command.file.c_str(), NullIfEmpty(command.parameters), NullIfEmpty(command.directory));
}

}  // namespace

void ShowHelp(HWND owner, const std::wstring& programDir) {
    const std::wstring help =
        HelpFileIn(programDir, [](const std::wstring& path) { return KindOf(path) == PathKind::File; });
    if (!help.empty()) ShellOpen(owner, help.c_str());
}

Tf_main::Tf_main()
    : keyboard_(lines_, {.RunLine = [this](int line) { Label4Click(line); },
                         .OpenMenu = [this] { OpenMenuAtMark(); },
                         .MarkMoved = [this] { screenReader_.TellFocus(); }}),
      screenReader_(lines_, keyboard_, kRunLineMessage) {}

void Tf_main::ApplyDpi() {
    lines_.ApplyDpi(Dpi());
    mrsc.SetApplicationNameFont({L"Arial", -Scaled(11), EASTEUROPE_CHARSET, 0, clWhite});
    mrsc.SetCaptionFont({L"Arial", -Scaled(16), EASTEUROPE_CHARSET, 0, clWhite});
}

void Tf_main::OnDpiChanged(const RECT& suggested) {
    ApplyDpi();
    // WM_DPICHANGED: the suggested rectangle keeps a dragged window under the pointer.
    // Otherwise the panel keeps its top-left corner where the user put it.
    if (Moving()) return Form::OnDpiChanged(suggested);
    const PanelSize size = PanelClientSize(lines_.TrailingEmptyTop(), Dpi());
    SetClientSize(size.width, size.height);
    KeepReachable();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

Size Tf_main::DesignClientSize() const { return {kPanelClientWidth, PanelClientHeight(lines_.TrailingEmptyTop())}; }

bool Tf_main::Create() {
    // The design: a tool window at its design place; the settings then give
    // the placement. The panel paints all of its client area itself.
    // Files dropped on it are taken with no shell32 loaded until then.
    const FormArgs window{.className = L"Tf_main", .caption = L" ", .style = kToolWindowStyle,
                          .exStyle = WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES, .classStyle = CS_DBLCLKS,
                          .left = kPanelDesignLeft, .top = kPanelDesignTop, .clientWidth = kPanelClientWidth,
                          .clientHeight = kPanelDesignClientHeight, .classBackground = 0};
    if (!Form::Create(window)) return false;
    if (lock_) lock_->Publish(hwnd());
    lines_.Attach(hwnd());
    background_.Attach(hwnd());
    keyboard_.Attach(hwnd());
    ApplyDpi();
    SetUpCaption();
    screenReader_.Attach(hwnd());
    BuildPopupMenu();
    FormCreate();
    return true;
}

void Tf_main::SetUpCaption() {
    // Set before it is attached, so the frame changes once. Attached while
    // the window still has its design style: the bar's buttons are those of
    // the tool window, its close button only.
    mrsc.SetApplicationName(L"VELK");
    mrsc.SetNumColors(255);
    mrsc.Attach(*this);
}

void Tf_main::BuildPopupMenu() {
    PopupMenu1.AddItem(kHelpCommand, L"&Pomoc do programu", {0, VK_F1});
    PopupMenu1.AddItem(kAboutCommand, L"&O programie...", {0, VK_F12});
    PopupMenu1.AddSeparator();
    PopupMenu1.AddItem(kSettingsCommand, L"&Konfiguracja", {FCONTROL, 'K'});
    PopupMenu Mnu_Monitoring;
    Mnu_Monitoring.AddItem(kLastLaunchCommand, L"Podaj czas ostatniego uruchomienia", {FCONTROL, 'O'});
    Mnu_Monitoring.AddItem(kLaunchListCommand, L"Wyświetl listę wszystkich uruchomień", {FCONTROL, 'L'});
    PopupMenu1.AddSubmenu(std::move(Mnu_Monitoring), L"Monitoring");
    PopupMenu1.AddSeparator();
    PopupMenu1.AddItem(kStartupCommand, L"&Uruchamiaj razem z Windows");
    PopupMenu1.AddItem(kCloseCommand, L"&Zakończ program", {FALT, VK_F4});
    accelerators_ = MakeAcceleratorTable(PopupMenu1.Accelerators());
}

void Tf_main::FormCreate() {
    Monitoring.ProgramDir = ExecutableFolder();
    LoadSettings();
}

void Tf_main::FormShow() {
    if (Monitoring.MonitorStarts) Run(commands_.RecordStart);
}

void Tf_main::FormClose() {
    // Once: the end of the Windows session may come after a close by hand.
    if (closed_) return;
    closed_ = true;
    if (Monitoring.MonitorShutdowns) RecordShutdown(Monitoring);
}

void Tf_main::OnCloseRequest() {
    FormClose();
    Hide();
    Application::Terminate();
}

POINT Tf_main::Position() const {
    RECT window;
    GetWindowRect(hwnd(), &window);
    return POINT{window.left, window.top};
}

bool Tf_main::PreTranslateMessage(MSG& msg) {
    return msg.hwnd == hwnd() && accelerators_ && TranslateAcceleratorW(hwnd(), accelerators_.get(), &msg);
}

LRESULT Tf_main::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: OnPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers everything, from a back buffer
    case WM_TIMER:
        if (wParam == clockTimer_.Id()) TimerTimer();
        return 0;
    case WM_MOUSEMOVE: OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONDOWN: OnLeftButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_CONTEXTMENU: OnContextMenu(lParam); return 0;
    case WM_KEYDOWN:
        if (keyboard_.OnKeyDown(wParam)) return 0;
        return DefaultHandling(message, wParam, lParam);
    case WM_SYSKEYDOWN:  // F10 is a system key: Shift+F10 opens the menu
        if (wParam == VK_F10 && keyboard_.OnKeyDown(wParam)) return 0;
        return DefaultHandling(message, wParam, lParam);
    case WM_CHAR: keyboard_.OnChar(static_cast<wchar_t>(wParam)); return 0;
    case WM_GETOBJECT: return OnGetObject(wParam, lParam);
    case kRunLineMessage:
        if (wParam < kSlotCount) Label4Click(static_cast<int>(wParam));
        return 0;
    case WM_DESTROY:
        screenReader_.Release();
        return DefaultHandling(message, wParam, lParam);
    case WM_UPDATEUISTATE:
        keyboard_.OnUpdateUiState(wParam);
        return DefaultHandling(message, wParam, lParam);
    case WM_DISPLAYCHANGE:
        KeepReachable();
        return DefaultHandling(message, wParam, lParam);
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) KeepReachable();
        return DefaultHandling(message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
        // The desktop colour may be the panel's.
        background_.Invalidate();
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_INITMENUPOPUP: return OnInitMenuPopup(wParam, lParam);
    case WM_DROPFILES: WMDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    default:
        if (message == bringForwardMessage_ && message != 0) return BringForward();
        return DefaultHandling(message, wParam, lParam);
    }
}

LRESULT Tf_main::BringForward() {
    // Every form is owned by the application's window, a message box by the
    // form it belongs to: the last active of them all is what the user works
    // in (the start-up box, the settings dialog, the launch list), or else
    // the panel. It may take the foreground: the later start allowed it.
    HWND window = GetLastActivePopup(GetAncestor(hwnd(), GA_ROOTOWNER));
    if (!IsWindowVisible(window) || !GetWindow(window, GW_OWNER)) window = hwnd();
    SetForegroundWindow(window);
    return 0;
}

void Tf_main::OnCommand(UINT id) {
    switch (id) {
    case kHelpCommand: Pomocdoprogramu1Click(); break;
    case kAboutCommand: Oprogramie1Click(); break;
    case kSettingsCommand: Konfiguracja1Click(); break;
    // The monitoring items follow their submenu's state, shortcuts included:
    // after a load that failed it stays as it was, and so do they.
    case kLastLaunchCommand:
        if (PopupMenu1.IsEnabledAt(kMonitoringMenuPosition)) Podajczasostatniegouruchomienia1Click();
        break;
    case kLaunchListCommand:
        if (PopupMenu1.IsEnabledAt(kMonitoringMenuPosition)) Wywietllistwszystkichuruchomie1Click();
        break;
    case kCloseCommand: Zamknijprogram1Click(); break;
    case kStartupCommand: Uruchamiajrazemzwindows1Click(); break;
    default: break;
    }
}

void Tf_main::Pomocdoprogramu1Click() { ShowHelp(hwnd(), Monitoring.ProgramDir); }

void Tf_main::Oprogramie1Click() {
    Run(commands_.ShowAbout);
}

void Tf_main::Konfiguracja1Click() {
    Run(commands_.ShowSettings);
}

void Tf_main::Podajczasostatniegouruchomienia1Click() {
    Run(commands_.ShowLastLaunch);
}

void Tf_main::Wywietllistwszystkichuruchomie1Click() {
    Run(commands_.ShowLaunchList);
}

void Tf_main::Zamknijprogram1Click() { Close(); }

void Tf_main::OnContextMenu(LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) {  // from the keyboard: open at the marked line
        OpenMenuAtMark();
        return;
    }
    PopupMenu1.Track(hwnd(), at);
}

void Tf_main::OpenMenuAtMark() { PopupMenu1.Track(hwnd(), keyboard_.MenuPoint()); }

LRESULT Tf_main::OnGetObject(WPARAM wParam, LPARAM lParam) {
    if (!screenReader_.Answers(lParam)) return DefaultHandling(WM_GETOBJECT, wParam, lParam);
    return screenReader_.Answer(wParam);
}

void Tf_main::OnLeftButtonDown(POINT point) {
    pressedLabel_ = lines_.LineAt(point);
    if (pressedLabel_ >= 0) SetCapture(hwnd());
}

void Tf_main::OnLeftButtonUp(POINT point) {
    const int pressed = pressedLabel_;
    pressedLabel_ = -1;
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (pressed >= 0 && lines_.LineAt(point) == pressed) Label4Click(pressed);
}

void Tf_main::Label4Click(int index) {
    const PanelLabel& label = lines_[index];
    switch (PowerActionFor(label.Command)) {
    case PowerAction::Shutdown: WinReboot.ExitWin(EWX_SHUTDOWN); return;
    case PowerAction::Reboot: WinReboot.ExitWin(EWX_REBOOT); return;
    case PowerAction::Logoff: WinReboot.ExitWin(EWX_LOGOFF); return;
    case PowerAction::None: break;
    }
    if (label.View.Caption.empty() || label.Command.empty()) return;
    if (label.RunsNothing) return;
    OpenCommand(hwnd(), FromCp1250(label.Command), Monitoring.ProgramDir);
}

void Tf_main::OnMouseMove(POINT point) {
    if (!lines_.HoverHighlight()) return;
    const int line = lines_.LineAt(point);
    if (line >= 0)
        Label4MouseMove(line);
    else
        FormMouseMove();
}

void Tf_main::Label4MouseMove(int index) { lines_.Highlight(index); }

void Tf_main::FormMouseMove() {
    // The stretched picture covers the panel and takes these moves itself.
    if (!background_.PictureCoversPanel()) lines_.ResetColors();
}

void Tf_main::TimerTimer() {
    lines_.Tick([this](int line) { screenReader_.TellNameChange(line); });
}

void Tf_main::OnPaint() {
    // Before BeginPaint: a failed texture's error box must not sit inside it.
    background_.LoadTextureOnce();
    PaintDc paint(hwnd());
    const RECT& area = paint.area();
    if (IsRectEmpty(&area)) return;
    const HDC background = background_.Rendered(paint.get());
    BackBuffer buffer(paint.get(), area);
    if (!background || !buffer) return;
    // A clock tick costs one label: the background comes from the cache.
    BitBlt(buffer.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, background, area.left,
           area.top, SRCCOPY);
    lines_.Draw(buffer.dc(), area);
    keyboard_.Draw(buffer.dc());
    buffer.CopyTo(paint.get());
}

void Tf_main::OnPrintClient(HDC dc) {
    background_.LoadTextureOnce();
    RECT client;
    GetClientRect(hwnd(), &client);
    const HDC background = background_.Rendered(dc);
    if (!background) return;
    BitBlt(dc, 0, 0, client.right, client.bottom, background, 0, 0, SRCCOPY);
    lines_.Draw(dc, client);
}

}  // namespace velk
