#pragma once
// The last-launch window: the previous start beside the present one. It
// hides itself after MonitorInfoSeconds ticks of its timer.
#include <cstdint>
#include <string>

#include "monitor/monitoring_options.h"
#include "ui/dialog_form.h"
#include "ui/window_timer.h"

namespace velk {

class Tf_monitor : public DialogForm {
public:
    // Enter and Escape press nothing here: it has no button.
    explicit Tf_monitor(const MonitoringOptions& options) : DialogForm({0, false}), options_(options) {}
    bool Create() override;

    // The start step's two texts, given once per run: the previous start
    // for LastLabel and the present one for NowLabel. Kept, so that a window
    // made after the step (its first making failed) shows them too.
    void SetLaunchTexts(const std::wstring& lastLaunch, const std::wstring& now);
    bool HasLaunchTexts() const { return hasLaunchTexts_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnShow() override { FormShow(); }

private:
    void FormShow();
    void TimerTimer();
    void OnTimer(WPARAM id);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    void SetTimerEnabled(bool enabled);
    void ShowLaunchTexts() const;
    LRESULT OnLabelColor(HDC dc, HWND label) const;

    const MonitoringOptions& options_;
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
