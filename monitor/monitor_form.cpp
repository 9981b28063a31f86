#include "monitor/monitor_form.h"


namespace velk {

namespace {

constexpr COLORREF kHeadingColor = RGB(0, 0, 0);
constexpr COLORREF kValueColor = RGB(0, 0, 255);

enum ControlId : int { kLabel1Id = 100, kLastLabelId, kLabel2Id, kNowLabelId };

constexpr FormArgs kWindow{.className = L"Tf_monitor", .caption = L" ", .left = 0, .top = 466, .clientWidth = 232,
                           .clientHeight = 80, .iconResource = 1};

constexpr FontDesign kFonts[] = {{13, FW_BOLD, EASTEUROPE_CHARSET, L"Arial"}};

// The two headings and, under each, the value it names.
constexpr ControlDesign kLayout[] = {
    {ControlKind::Label, kLabel1Id, 0, 0, 8, 230, 16, L"Ostatnie uruchomienie:", 0, SS_CENTER | SS_NOPREFIX},
    {ControlKind::Label, kLastLabelId, 0, 0, 24, 230, 16, L"12.01.2000 o godzinie 13:24:12", 0, SS_CENTER | SS_NOPREFIX},
    {ControlKind::Label, kLabel2Id, 0, 0, 40, 230, 16, L"Aktualny czas:", 0, SS_CENTER | SS_NOPREFIX},
    {ControlKind::Label, kNowLabelId, 0, 0, 56, 230, 16, L"12.01.2000 godzina 15:24:12", 0, SS_CENTER | SS_NOPREFIX},
};

}  // namespace

bool Tf_monitor::Create() {
    if (!Form::Create(kWindow) || !CreateControls(kLayout, kFonts)) return false;
    LastLabel = Controls[kLastLabelId];
    NowLabel = Controls[kNowLabelId];
    if (hasLaunchTexts_) ShowLaunchTexts();
    return true;
}

void Tf_monitor::SetLaunchTexts(const std::wstring& lastLaunch, const std::wstring& now) {
    lastLaunch_ = lastLaunch;
    now_ = now;
    hasLaunchTexts_ = true;
    ShowLaunchTexts();
}

void Tf_monitor::ShowLaunchTexts() const {
    SetWindowTextW(LastLabel, lastLaunch_.c_str());
    SetWindowTextW(NowLabel, now_.c_str());
}

LRESULT Tf_monitor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_CTLCOLORSTATIC: return OnLabelColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(wParam, lParam);
    default: return DialogForm::HandleMessage(message, wParam, lParam);
    }
}

inline void Tf_monitor::OnTimer(WPARAM id) {
    if (id == timer_.Id()) TimerTimer();
}

inline LRESULT Tf_monitor::OnWindowPosChanged(WPARAM wParam, LPARAM lParam) {
    // Hidden by any means (its own count, the close box, the program):
    // nothing is left to count.
    if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) SetTimerEnabled(false);
    return DialogForm::HandleMessage(WM_WINDOWPOSCHANGED, wParam, lParam);
}

LRESULT Tf_monitor::OnLabelColor(HDC dc, HWND label) const {
    SetTextColor(dc, label == LastLabel || label == NowLabel ? kValueColor : kHeadingColor);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Tf_monitor::FormShow() {
    ticks_ = 0;
    SetTimerEnabled(true);
}

void Tf_monitor::TimerTimer() {
    ++ticks_;
    // Read at every tick: a changed setting counts from the next one.
    if (ticks_ == options_.MonitorInfoSeconds) {
        SetTimerEnabled(false);
        Close();
    }
}

void Tf_monitor::SetTimerEnabled(bool enabled) { timer_.Run(hwnd(), enabled); }

}  // namespace velk
