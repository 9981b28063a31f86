#include "monitor/launch_steps.h"

#include <windows.h>

#include "app/main_form.h"
#include "monitor/launch_log.h"
#include "monitor/monitor_form.h"
#include "core/file_io.h"
#include "core/text.h"

namespace velk {

namespace {

// One reading of the clock serves everything a step writes or shows.
RecordTime PresentRecordTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return RecordTime{now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute, now.wSecond};
}

std::wstring LastLaunchText(const std::optional<std::string>& lastStartFile) {
    const std::optional<RecordTime> previous = lastStartFile ? ParseLastStart(*lastStartFile) : std::nullopt;
    return FromCp1250(previous ? WindowTimeText(*previous) : std::string(kNoDataText));
}

}  // namespace

void RecordStart(const Tf_main& panel, Tf_monitor& lastLaunchWindow) {
    // Once per run: showing the panel again is no new start of the computer.
    if (!panel.MonitorStarts || lastLaunchWindow.HasLaunchTexts()) return;
    const std::wstring lastStartPath = panel.ProgramDir + L"ostatnio.asc";
    const std::wstring logPath = panel.ProgramDir + L"index.asc";
    const RecordTime now = PresentRecordTime();

    // Read before it is overwritten, so the window names the start before
    // this one. Failed writes are skipped without a word.
    const std::optional<std::string> lastStartFile = ReadWholeFile(lastStartPath);
    AppendToFile(logPath, StartRecordLine(now));
    WriteWholeFile(lastStartPath, LastStartFileText(now));

    lastLaunchWindow.SetLaunchTexts(LastLaunchText(lastStartFile), FromCp1250(WindowTimeText(now)));
    if (panel.MonitorInfoWindow) lastLaunchWindow.Show();
}

void RecordShutdown(const Tf_main& panel) {
    if (!panel.MonitorShutdowns) return;
    AppendToFile(panel.ProgramDir + L"index.asc", ShutdownRecordLine(PresentRecordTime()));
}

}  // namespace velk
