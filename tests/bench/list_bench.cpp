// How long the launch list takes to open over logs of 1,000, 10,000 and
// 100,000 lines: from the show, which reads and loads the log, until the
// window has painted. Prints one row of the bench table per size.
#include <windows.h>

#include <string>

#include "app/main_form.h"
#include "bench/bench_table.h"
#include "core/launch_log.h"
#include "monitor/lista_form.h"
#include "support/pump_messages.h"
#include "ui/application.h"
#include "win/file_io.h"

namespace {

using namespace velk;

std::string LogOfLines(int lines) {
    std::string log;
    for (int i = 0; i < lines; ++i) {
        const RecordTime t{1 + i % 28, 1 + i / 28 % 12, 2000 + i / 336 % 30, i % 24, i % 60, (i * 7) % 60};
        log += i % 2 ? ShutdownRecordLine(t) : StartRecordLine(t);
    }
    return log;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
    Application application(L"=VELK=");
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"velk-bench-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring logPath = folder + L"index.asc";

    int status = 0;
    {
        Final<Tf_main> panel;
        panel.Monitoring.ProgramDir = folder;
        Final<Tf_lista> list(panel.Monitoring.ProgramDir);
        if (!list.Create()) return 1;
        for (int lines : {1000, 10000, 100000}) {
            const std::string log = LogOfLines(lines);
            if (WriteWholeFile(logPath, log) != FileError::None) {
                status = 1;
                break;
            }
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            list.Show();
            UpdateWindow(list.hwnd());
            test::DispatchPending();
            QueryPerformanceCounter(&end);
            list.Hide();
            test::DispatchPending();
            const std::string figure = "launch list open, " + std::to_string(lines) + " lines, " +
                                       std::to_string(log.size()) + " bytes (ms)";
            bench::PrintFigure(figure.c_str(), Seconds(start, end) * 1000);
        }
    }
    DeleteFileW(logPath.c_str());
    RemoveDirectoryW(folder.c_str());
    return status;
}
