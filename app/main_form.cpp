#include "app/main_form.h"

#include <windowsx.h>

#include "app/panel_text.h"
#include "monitor/launch_steps.h"
#include "ui/application.h"
#include "win/back_buffer.h"
#include "win/exception.h"
#include "win/file_io.h"
#include "win/fonts.h"
#include "ui/message_box.h"
#include "win/system_library.h"
#include "win/text.h"

namespace velk {

namespace {

constexpr COLORREF kDesignFontColor = RGB(255, 255, 255);

void Run(const std::function<void()>& command) {
    if (command) command();
}

}  // namespace

Tf_main::Tf_main() {
    for (PanelLabel& label : labels_) {
        label.View.Caption = L" ";
        label.View.Color = kDesignFontColor;
    }
}

void Tf_main::ApplyDpi() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const LabelPlace place = LabelPlaceAt(slot, Dpi());
        labels_[slot].View.Bounds = RECT{place.left, place.top, place.right, place.bottom};
    }
    font_ = MakeFont(PanelFontHeight(Dpi()), FW_BOLD, false, EASTEUROPE_CHARSET, L"Arial");
    mrsc.SetApplicationNameFont({L"Arial", -Scaled(11), EASTEUROPE_CHARSET, 0, clWhite});
    mrsc.SetCaptionFont({L"Arial", -Scaled(16), EASTEUROPE_CHARSET, 0, clWhite});
}

void Tf_main::OnDpiChanged(const RECT& suggested) {
    // The panel keeps its top-left corner where the user put it.
    ApplyDpi();
    const PanelSize size = PanelClientSize(TrailingEmptyTop, Dpi());
    SetWindowPos(hwnd(), nullptr, 0, 0, suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientSize(size.width, size.height);
    KeepReachable();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool Tf_main::Create() {
    // The design: a tool window at its design place; the settings then give
    // the placement. The panel paints all of its client area itself.
    const FormArgs window{.className = L"Tf_main", .caption = L" ", .style = kToolWindowStyle,
                          .exStyle = WS_EX_TOOLWINDOW, .classStyle = CS_DBLCLKS, .left = kPanelDesignLeft,
                          .top = kPanelDesignTop, .clientWidth = kPanelClientWidth,
                          .clientHeight = kPanelDesignClientHeight, .classBackground = 0};
    if (!Form::Create(window)) return false;
    SetUpCaption();
    ApplyDpi();
    accessible_ = new AccessibleList(hwnd(), L"=VELK=", *this);
    BuildPopupMenu();
    FormCreate();
    return true;
}

void Tf_main::SetUpCaption() {
    // Attached while the window still has its design style: the bar's
    // buttons are those of the tool window, its close button only.
    mrsc.Attach(*this);
    mrsc.SetApplicationName(L"VELK");
    mrsc.SetNumColors(255);
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
        if (wParam == kClockTimer) TimerTimer();
        return 0;
    case WM_MOUSEMOVE: OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONDOWN: OnLeftButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_CONTEXTMENU: OnContextMenu(lParam); return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(wParam)) return 0;
        return DefaultHandling(message, wParam, lParam);
    case WM_SYSKEYDOWN:  // F10 is a system key: Shift+F10 opens the menu
        if (wParam == VK_F10 && OnKeyDown(wParam)) return 0;
        return DefaultHandling(message, wParam, lParam);
    case WM_CHAR: OnChar(static_cast<wchar_t>(wParam)); return 0;
    case WM_GETOBJECT: return OnGetObject(wParam, lParam);
    case kRunLineMessage:
        if (wParam < kSlotCount) Label4Click(static_cast<int>(wParam));
        return 0;
    case WM_DESTROY:
        ReleaseAccessible();
        return DefaultHandling(message, wParam, lParam);
    case WM_UPDATEUISTATE:
        OnUpdateUiState(wParam);
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
    default: return DefaultHandling(message, wParam, lParam);
    }
}

void Tf_main::OnCommand(UINT id) {
    switch (id) {
    case kHelpCommand: Pomocdoprogramu1Click(); break;
    case kAboutCommand: Oprogramie1Click(); break;
    case kSettingsCommand: Konfiguracja1Click(); break;
    // The monitoring items follow their submenu's state, shortcuts included.
    case kLastLaunchCommand:
        if (Monitoring.MonitorStarts) Podajczasostatniegouruchomienia1Click();
        break;
    case kLaunchListCommand:
        if (Monitoring.MonitorStarts) Wywietllistwszystkichuruchomie1Click();
        break;
    case kCloseCommand: Zamknijprogram1Click(); break;
    default: break;
    }
}

void Tf_main::Pomocdoprogramu1Click() {
    const std::wstring helpPath = Monitoring.ProgramDir + L"velk.hlp";
    ShellOpen(hwnd(), helpPath.c_str());
}

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

int Tf_main::LabelAt(POINT point) const {
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (labels_[slot].View.Contains(point)) return slot;
    return -1;
}

void Tf_main::OnLeftButtonDown(POINT point) {
    pressedLabel_ = LabelAt(point);
    if (pressedLabel_ >= 0) SetCapture(hwnd());
}

void Tf_main::OnLeftButtonUp(POINT point) {
    const int pressed = pressedLabel_;
    pressedLabel_ = -1;
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (pressed >= 0 && LabelAt(point) == pressed) Label4Click(pressed);
}

void Tf_main::Label4Click(int index) {
    const PanelLabel& label = labels_[index];
    switch (PowerActionFor(label.Command)) {
    case PowerAction::Shutdown: WinReboot.ExitWin(EWX_SHUTDOWN); return;
    case PowerAction::Reboot: WinReboot.ExitWin(EWX_REBOOT); return;
    case PowerAction::Logoff: WinReboot.ExitWin(EWX_LOGOFF); return;
    case PowerAction::None: break;
    }
    if (label.View.Caption.empty() || label.Command.empty()) return;
    if (label.Command == kClockKeyword || label.Command == kDateKeyword) return;
    // The whole command is the file to open: the shell decides what it means.
    ShellOpen(hwnd(), FromCp1250(label.Command).c_str());
}

void Tf_main::OnMouseMove(POINT point) {
    if (!HoverHighlight) return;
    const int slot = LabelAt(point);
    if (slot >= 0)
        Label4MouseMove(slot);
    else
        FormMouseMove();
}

void Tf_main::Label4MouseMove(int index) {
    PanelLabel& label = labels_[index];
    if (label.Command == kClockKeyword || label.Command == kDateKeyword) return;
    ResetLabelColors();
    SetLabelColor(label, ActiveColor);
}

void Tf_main::FormMouseMove() {
    // The stretched picture covers the panel and takes these moves itself.
    if (!img_full.Visible) ResetLabelColors();
}

void Tf_main::ResetLabelColors() {
    for (PanelLabel& label : labels_) SetLabelColor(label, InactiveColor);
}

void Tf_main::SetLabelColor(PanelLabel& label, int32_t color) {
    const COLORREF resolved = ResolveColor(color);
    if (label.View.Color == resolved) return;
    label.View.Color = resolved;
    if (label.View.Visible) InvalidateRect(hwnd(), &label.View.Bounds, FALSE);
}

bool Tf_main::SetLabelCaption(PanelLabel& label, std::wstring caption) {
    if (label.View.Caption == caption) return false;
    label.View.Caption = std::move(caption);
    if (label.View.Visible) InvalidateRect(hwnd(), &label.View.Bounds, FALSE);
    return true;
}

void Tf_main::TimerTimer() {
    if (ClockOn) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        if (SetLabelCaption(labels_[ClockLabel],
                            FromCp1250(ClockText(now.wHour, now.wMinute, now.wSecond, ClockSeconds))))
            TellNameChange(ClockLabel);
    }
    if (DateOn) {
        SYSTEMTIME today;
        GetLocalTime(&today);
        if (SetLabelCaption(labels_[DateLabel], FromCp1250(DateText(today.wDay, today.wMonth, today.wYear))))
            TellNameChange(DateLabel);
    }
}

void Tf_main::LoadTextureOnce() {
    if (TexturePath.empty() || TexturePath == LoadedTexturePath || TexturePath == ReportedTexturePath) return;
    try {
        TextureBitmap = Picture::BitmapFromFile(TexturePath);
        LoadedTexturePath = TexturePath;
        background_.Invalidate();
    } catch (const Exception& error) {
        ReportedTexturePath = TexturePath;
        ShowErrorBox(hwnd(), error.Message());
    }
}

void Tf_main::OnPaint() {
    // Before BeginPaint: a failed texture's error box must not sit inside it.
    LoadTextureOnce();
    PaintDc paint(hwnd());
    const RECT& area = paint.area();
    if (IsRectEmpty(&area)) return;
    const HDC background = RenderedBackground(paint.get());
    BackBuffer buffer(paint.get(), area);
    if (!background || !buffer) return;
    // A clock tick costs one label: the background comes from the cache.
    BitBlt(buffer.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, background, area.left,
           area.top, SRCCOPY);
    DrawLabels(buffer.dc(), area);
    DrawMark(buffer.dc());
    buffer.CopyTo(paint.get());
}

void Tf_main::OnPrintClient(HDC dc) {
    LoadTextureOnce();
    RECT client;
    GetClientRect(hwnd(), &client);
    const HDC background = RenderedBackground(dc);
    if (!background) return;
    BitBlt(dc, 0, 0, client.right, client.bottom, background, 0, 0, SRCCOPY);
    DrawLabels(dc, client);
}

HDC Tf_main::RenderedBackground(HDC target) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (const HDC cached = background_.Current(client.right, client.bottom)) return cached;
    const HDC dc = background_.Renew(target, client.right, client.bottom);
    if (dc) PaintBackground(dc, client);
    return dc;
}

void Tf_main::PaintBackground(HDC dc, const RECT& client) const {
    SetDCBrushColor(dc, ResolveColor(PanelColor));
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    if (img_full.Visible) {
        img_full.Image.DrawStretched(dc, client);
    } else if (!TexturePath.empty() && TexturePath == LoadedTexturePath) {
        RECT window;
        GetWindowRect(hwnd(), &window);
        TextureBitmap.DrawCopies(dc, TileOrigins(TextureBitmap.Width(), TextureBitmap.Height(),
                                                 window.right - window.left, window.bottom - window.top));
    }
}

void Tf_main::DrawLabels(HDC dc, const RECT& area) const {
    for (const PanelLabel& label : labels_) {
        RECT overlap;
        if (IntersectRect(&overlap, &label.View.Bounds, &area)) label.View.Draw(dc, font_.get());
    }
}

}  // namespace velk
