#pragma once
// The last-launch window: the previous start beside the present one. It
// hides itself after MonitorInfoSeconds ticks of its timer.
#include <cstdint>
#include <string>

#include "monitor/monitoring_options.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/window_timer.h"
#include "win/handles.h"

namespace velk {

class Tf_monitor : public Form {
public:
    explicit Tf_monitor(const MonitoringOptions& options) : options_(options) {}
    bool Create() override;

    // The start step's two texts, given once per run: the previous start
    // for LastLabel and the present one for NowLabel. Kept, so that a window
    // made after the step (its first making failed) shows them too.
    void SetLaunchTexts(const std::wstring& lastLaunch, const std::wstring& now);
    bool HasLaunchTexts() const { return hasLaunchTexts_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnShow() override { FormShow(); }
    void OnDpiChanged(const RECT& suggested) override;

private:

    void FormShow();
    void TimerTimer();
    void SetTimerEnabled(bool enabled);
    void ShowLaunchTexts() const;
    LRESULT OnLabelColor(HDC dc, HWND label) const;

    const MonitoringOptions& options_;
    Font font_;
    FormControls controls_;
    // The two value labels; the headings above them never change.
    HWND LastLabel = nullptr;
    HWND NowLabel = nullptr;
    WindowTimer timer_{1, 1000};
    int32_t ticks_ = 0;
    bool hasLaunchTexts_ = false;
    std::wstring lastLaunch_;
    std::wstring now_;
};

}  // namespace velk
