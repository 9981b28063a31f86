// The cost of one clock tick's repaint of the panel in each background mode:
// the clock label invalidated and painted at once, many times over, timed in
// the GUI thread's CPU time and in wall time. The stretched picture is a
// 1,000 x 1,000 metafile of many records, the texture a small bitmap.
#include <windows.h>

#include <string>

#include "app/main_form.h"
#include "bench/bench_table.h"
#include "win/file_io.h"
#include "support/bitmap_file.h"
#include "support/clock_panel_settings.h"
#include "support/pump_messages.h"
#include "ui/application.h"

namespace {

using namespace velk;

constexpr int kTicks = 2000;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

bool WriteMetafile(const std::wstring& path) {
    // The frame is in 0.01 mm; the reference DC is the screen.
    HDC screen = GetDC(nullptr);
    const int widthMm = GetDeviceCaps(screen, HORZSIZE), heightMm = GetDeviceCaps(screen, VERTSIZE);
    const int widthPx = GetDeviceCaps(screen, HORZRES), heightPx = GetDeviceCaps(screen, VERTRES);
    const RECT frame{0, 0, MulDiv(1000, widthMm * 100, widthPx), MulDiv(1000, heightMm * 100, heightPx)};
    HDC recorder = CreateEnhMetaFileW(screen, path.c_str(), &frame, nullptr);
    ReleaseDC(nullptr, screen);
    if (!recorder) return false;
    SelectObject(recorder, GetStockObject(DC_BRUSH));
    for (int row = 0; row < 50; ++row) {
        for (int column = 0; column < 50; ++column) {
            SetDCBrushColor(recorder, RGB(row * 5, column * 5, 128));
            Ellipse(recorder, column * 20, row * 20, column * 20 + 20, row * 20 + 20);
        }
    }
    HENHMETAFILE done = CloseEnhMetaFile(recorder);
    if (!done) return false;
    DeleteEnhMetaFile(done);
    return true;
}

double Microseconds(const FILETIME& from, const FILETIME& to) {
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(to) - ticks(from)) / 10.0;
}

// CPU time of the thread: user plus kernel.
FILETIME ThreadCpu() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    ULARGE_INTEGER sum;
    sum.QuadPart = (static_cast<ULONGLONG>(kernel.dwHighDateTime) << 32 | kernel.dwLowDateTime) +
                   (static_cast<ULONGLONG>(user.dwHighDateTime) << 32 | user.dwLowDateTime);
    return FILETIME{sum.LowPart, sum.HighPart};
}

}  // namespace

int main() {
    Application application(L"=VELK=");
    const std::wstring folder = ExecutableFolder();
    const std::wstring settingsPath = folder + L"velk.ini";
    const std::wstring metafile = folder + L"bench-tlo.emf";
    const std::wstring texture = folder + L"bench-tekstura.bmp";
    if (!WriteMetafile(metafile) ||
        WriteWholeFile(texture, MakeBitmapFile(24, 24, [](int x, int y) { return RGB(x * 10, y * 10, 99); })) !=
            FileError::None)
        return 1;

    struct Mode {
        const char* name;
        int32_t mode;
        std::string value;
    };
    const Mode modes[] = {{"desktop colour", 0, ""},
                          {"own colour", 1, ""},
                          {"stretched EMF 1000x1000", 2, Narrow(metafile)},
                          {"tiled bitmap 24x24", 3, Narrow(texture)}};

    int status = 0;
    {
        Final<Tf_main> panel;
        for (const Mode& mode : modes) {
            Settings settings = test::ClockPanelSettings(mode.mode, mode.value);
            settings.PosX = 100;
            settings.PosY = 100;
            settings.ActiveColor = 0xFF00FF;
            settings.InactiveColor = 0xFFFFFF;
            if (WriteWholeFile(settingsPath, FormatSettings(settings)) != FileError::None) {
                status = 1;
                break;
            }
            if (!panel.hwnd()) {
                if (!panel.Create()) return 1;
                ShowWindow(panel.hwnd(), SW_SHOWNOACTIVATE);
            } else {
                panel.LoadSettings();
            }
            UpdateWindow(panel.hwnd());
            test::DispatchPending();

            const RECT clock = panel.Labels()[0].View.Bounds;
            LARGE_INTEGER frequency, wallStart, wallEnd;
            QueryPerformanceFrequency(&frequency);
            const FILETIME cpuStart = ThreadCpu();
            QueryPerformanceCounter(&wallStart);
            for (int tick = 0; tick < kTicks; ++tick) {
                InvalidateRect(panel.hwnd(), &clock, FALSE);
                UpdateWindow(panel.hwnd());
            }
            GdiFlush();
            QueryPerformanceCounter(&wallEnd);
            const FILETIME cpuEnd = ThreadCpu();
            const double wall = static_cast<double>(wallEnd.QuadPart - wallStart.QuadPart) * 1e6 /
                                static_cast<double>(frequency.QuadPart);
            bench::PrintFigure(("clock tick repaint, " + std::string(mode.name) + " (CPU us)").c_str(),
                               Microseconds(cpuStart, cpuEnd) / kTicks);
            bench::PrintFigure(("clock tick repaint, " + std::string(mode.name) + " (wall us)").c_str(),
                               wall / kTicks);
        }
    }
    DeleteFileW(settingsPath.c_str());
    DeleteFileW(metafile.c_str());
    DeleteFileW(texture.c_str());
    return status;
}
