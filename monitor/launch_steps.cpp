#include "monitor/launch_steps.h"

#include <windows.h>

#include "core/launch_log.h"
#include "monitor/monitor_form.h"
#include "win/file_io.h"
#include "win/text.h"

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

void RecordStart(const MonitoringOptions& options, Tf_monitor& lastLaunchWindow) {
    // Once per run: showing the panel again is no new start of the computer.
    if (!options.MonitorStarts || lastLaunchWindow.HasLaunchTexts()) return;
    const std::wstring lastStartPath = options.ProgramDir + kLastStartFileName;
    const std::wstring logPath = options.ProgramDir + kLaunchLogFileName;
    const RecordTime now = PresentRecordTime();

    // Read before it is overwritten, so the window names the start before
    // this one. Failed writes are skipped without a word.
    const std::optional<std::string> lastStartFile = ReadWholeFile(lastStartPath);
    AppendToFile(logPath, StartRecordLine(now));
    WriteWholeFile(lastStartPath, LastStartFileText(now));

    lastLaunchWindow.SetLaunchTexts(LastLaunchText(lastStartFile), FromCp1250(WindowTimeText(now)));
    // A window that could not be made shows nothing; the files are written.
    if (options.MonitorInfoWindow && lastLaunchWindow.hwnd()) lastLaunchWindow.Show();
}

void RecordShutdown(const MonitoringOptions& options) {
    if (!options.MonitorShutdowns) return;
    AppendToFile(options.ProgramDir + kLaunchLogFileName, ShutdownRecordLine(PresentRecordTime()));
}

}  // namespace velk
