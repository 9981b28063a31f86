// The cost of one caption paint: the bar composed off screen and copied onto
// the window, for a bar like the panel's and one like the settings
// dialog's, each painted 10,000 times and timed one by one; the median is
// printed, in wall time.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "bench/bench_table.h"
#include "caption/vora_caption.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

using namespace velk;

constexpr int kPaints = 10000;

class BenchForm : public Form {
public:
    explicit BenchForm(FormArgs args) : args_(std::move(args)) {}
    bool Create() override { return Form::Create(args_); }

private:
    FormArgs args_;
};

FormArgs PanelLike() {
    FormArgs args;
    args.className = L"CaptionBenchPanel";
    args.caption = L" ";
    args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_TOOLWINDOW;
    args.left = 40;
    args.top = 40;
    args.clientWidth = 130;
    args.clientHeight = 200;
    return args;
}

FormArgs DialogLike() {
    FormArgs args;
    args.className = L"CaptionBenchDialog";
    args.caption = L"Ustawienia programu VELK";
    args.left = 200;
    args.top = 40;
    args.clientWidth = 517;
    args.clientHeight = 230;
    args.iconResource = 1;
    return args;
}

TCaptionFont Arial(int32_t height, TFontStyles style) {
    return {L"Arial", height, EASTEUROPE_CHARSET, style, clWhite};
}

double MedianPaintMicroseconds(TVoraCaption& caption) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    times.reserve(kPaints);
    for (int paint = 0; paint < kPaints; ++paint) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        caption.PaintCaption(true);
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                        static_cast<double>(frequency.QuadPart));
    }
    std::nth_element(times.begin(), times.begin() + kPaints / 2, times.end());
    return times[kPaints / 2];
}

}  // namespace

int main() {
    Application application(L"=VELK=");
    Final<BenchForm> panel(PanelLike());
    Final<BenchForm> dialog(DialogLike());
    if (!panel.Create() || !dialog.Create()) return 1;
    ShowWindow(panel.hwnd(), SW_SHOWNOACTIVATE);
    ShowWindow(dialog.hwnd(), SW_SHOWNOACTIVATE);

    TVoraCaption panelCaption(panel);
    panelCaption.SetNumColors(255);
    panelCaption.SetApplicationName(L"VELK");
    panelCaption.SetApplicationNameFont(Arial(-11, 0));
    panelCaption.SetCaptionFont(Arial(-16, 0));
    TVoraCaption dialogCaption(dialog);
    dialogCaption.SetNumColors(255);
    dialogCaption.SetApplicationNameFont(Arial(-11, fsBold));
    dialogCaption.SetCaptionFont(Arial(-11, 0));

    bench::PrintFigure("caption paint, tool window 136 px (us, median)", MedianPaintMicroseconds(panelCaption));
    bench::PrintFigure("caption paint, dialog 523 px with icon (us, median)", MedianPaintMicroseconds(dialogCaption));
    return 0;
}
