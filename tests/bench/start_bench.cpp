// velk.exe against the bare panel, both started from outside as a user
// starts them, each in a fresh folder, alternately, under one Wine server:
// the time to the first visible window and to input idle, the memory a
// second after the start, the CPU time of the idle clock, the size of the
// programs, and velk.exe's time from Ctrl+K to the visible settings dialog.
//   start_bench.exe        (velk.exe and bare_panel.exe beside it)
// BENCH_RUNS (default 10) starts of each; BENCH_IDLE_SECONDS (default 60)
// of idle clock.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_table.h"
#include "settings/settings_file.h"
#include "support/mouse_input.h"

namespace {

using namespace velk;
using bench::PrintPair;
using bench::PrintUnmeasured;

constexpr wchar_t kSetupTitle[] = L"Ustawienia programu VELK";

int EnvironmentNumber(const char* name, int fallback) {
    const char* value = std::getenv(name);
    const int number = value ? std::atoi(value) : 0;
    return number > 0 ? number : fallback;
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    const std::wstring own(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return own.substr(0, own.find_last_of(L'\\') + 1);
}

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The whole of a small file; Wine reads Linux's /proc through drive Z:.
std::string ReadSmallFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool SameTextIgnoringCase(const std::string& narrow, const std::wstring& wide) {
    return narrow.size() == wide.size() &&
           std::equal(narrow.begin(), narrow.end(), wide.begin(), [](char a, wchar_t b) {
               return std::towlower(static_cast<unsigned char>(a)) == std::towlower(b);
           });
}

// The Linux process of a Wine program: Wine puts the program's Windows path
// as the first word of its command line, and each run's folder is unique.
std::optional<std::wstring> LinuxProcessFolder(const std::wstring& windowsPath) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::wstring> match;
    do {
        const std::wstring name = found.cFileName;
        if (name.empty() || !std::all_of(name.begin(), name.end(), iswdigit)) continue;
        const std::wstring folder = L"Z:\\proc\\" + name + L"\\";
        const std::string commandLine = ReadSmallFile(folder + L"cmdline");
        if (SameTextIgnoringCase(commandLine.substr(0, commandLine.find('\0')), windowsPath)) match = folder;
    } while (!match && FindNextFileW(search, &found));
    FindClose(search);
    return match;
}

// A "Name:   123 kB" line of /proc/<pid>/status, in bytes.
std::optional<double> StatusBytes(const std::wstring& procFolder, const char* name) {
    const std::string status = ReadSmallFile(procFolder + L"status");
    const size_t at = status.find(std::string("\n") + name + ":");
    if (at == std::string::npos) return std::nullopt;
    return std::atof(status.c_str() + at + std::char_traits<char>::length(name) + 2) * 1024.0;
}

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    const auto ticks = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;
}

struct WindowQuery {
    DWORD processId;
    const wchar_t* className;  // null: any visible top-level window
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
    auto* query = reinterpret_cast<WindowQuery*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId != query->processId || !IsWindowVisible(hwnd)) return TRUE;
    wchar_t text[256] = {};
    if (query->className && (!GetClassNameW(hwnd, text, 256) || std::wstring(text) != query->className)) return TRUE;
    if (query->title && (!GetWindowTextW(hwnd, text, 256) || std::wstring(text) != query->title)) return TRUE;
    query->found = hwnd;
    return FALSE;
}

HWND FindVisibleWindow(DWORD processId, const wchar_t* className = nullptr, const wchar_t* title = nullptr) {
    WindowQuery query{processId, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// Polls for the window until the time-out; the moment it was seen, or none.
std::optional<double> WaitForVisibleWindow(DWORD processId, const wchar_t* className, const wchar_t* title,
                                           double timeoutSeconds, HWND* window = nullptr) {
    const double until = Now() + timeoutSeconds;
    while (Now() < until) {
        if (HWND found = FindVisibleWindow(processId, className, title)) {
            if (window) *window = found;
            return Now();
        }
        Sleep(1);
    }
    return std::nullopt;
}

// The bare panel alone, and with the common controls loaded.
enum class Program { Velk, Bare, BareCommonControls };

// One started program in a folder of its own, ended and removed at the end.
class Run {
public:
    Run(Program program, int left, int top) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        folder_ = std::wstring(temp) + L"velk-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(++counter) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        const std::wstring name = program == Program::Velk ? L"velk.exe" : L"bare_panel.exe";
        exe_ = folder_ + name;
        if (!CopyFileW((OwnFolder() + name).c_str(), exe_.c_str(), FALSE)) return;
        std::wstring commandLine = L"\"" + exe_ + L"\"";
        if (program == Program::Velk) {
            if (!WriteSettings(left, top)) return;
        } else {
            commandLine += L" " + std::to_wstring(left) + L" " + std::to_wstring(top);
            if (program == Program::BareCommonControls) commandLine += L" comctl32";
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = Now();
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup,
                            &process_))
            process_ = {};
    }
    ~Run() {
        if (process_.hProcess) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 5000);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        for (const wchar_t* name : {L"velk.exe", L"bare_panel.exe", L"velk.ini", L"index.asc", L"ostatnio.asc"})
            DeleteFileW((folder_ + name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    double StartedAt() const { return started_; }
    HANDLE Process() const { return process_.hProcess; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    const std::wstring& Exe() const { return exe_; }

private:
    // A typical panel: a movable tool window with the seconds clock, the
    // date and a few shortcuts, on the desktop colour. No session-ending
    // line: a stray click must not end every program on the server.
    bool WriteSettings(int left, int top) const {
        Settings settings;
        settings.Placement = PanelPlacement::ToolWindow;
        settings.PosX = left;
        settings.PosY = top;
        settings.HoverHighlight = true;
        settings.ClockSeconds = true;
        settings.MonitorInfoSeconds = "10";
        settings.Shortcuts[0] = {"_ZEGAR", "", ""};
        settings.Shortcuts[1] = {"_DATA", "", ""};
        settings.Shortcuts[3] = {"Notatnik", "notepad.exe", "L"};
        settings.Shortcuts[4] = {"Dysk C:", "C:\\", "L"};
        settings.Shortcuts[5] = {"Windows", "C:\\windows", "L"};
        settings.Shortcuts[6] = {"Wiersz polece\xF1", "cmd.exe", "L"};
        settings.ActiveColor = 0x0000FF;
        settings.InactiveColor = 0x000000;
        const std::string bytes = FormatSettings(settings);
        HANDLE file = CreateFileW((folder_ + L"velk.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return written == bytes.size();
    }

    std::wstring folder_;
    std::wstring exe_;
    PROCESS_INFORMATION process_{};
    double started_ = 0;
};

struct StartFigures {
    std::vector<double> toVisibleMs, toIdleMs, workingSetMb, privateMb;
    bool privateFromLinux = false;
    int failed = 0;
};

// A start: the time to the first visible window (polled) and, meanwhile,
// to input idle; then the memory one second after the start.
void MeasureStart(Program program, StartFigures& figures) {
    Run run(program, 100, 100);
    if (!run.Started()) {
        ++figures.failed;
        return;
    }
    double idleAt = 0;
    std::thread idleWatch([&] {
        if (WaitForInputIdle(run.Process(), 20000) == 0) idleAt = Now();
    });
    const std::optional<double> visibleAt = WaitForVisibleWindow(run.ProcessId(), nullptr, nullptr, 20);
    idleWatch.join();
    if (!visibleAt || idleAt == 0) {
        ++figures.failed;
        return;
    }
    figures.toVisibleMs.push_back((*visibleAt - run.StartedAt()) * 1000);
    figures.toIdleMs.push_back((idleAt - run.StartedAt()) * 1000);

    const double wait = run.StartedAt() + 1.0 - Now();
    if (wait > 0) Sleep(static_cast<DWORD>(wait * 1000));
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.ProcessId());
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (process &&
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        figures.workingSetMb.push_back(static_cast<double>(memory.WorkingSetSize) / 1e6);
        if (memory.PrivateUsage > 0) {
            figures.privateMb.push_back(static_cast<double>(memory.PrivateUsage) / 1e6);
        } else if (const auto procFolder = LinuxProcessFolder(run.Exe())) {
            // Wine reports no private bytes: the Linux process's anonymous
            // resident memory stands for them.
            if (const auto anonymous = StatusBytes(*procFolder, "RssAnon")) {
                figures.privateMb.push_back(*anonymous / 1e6);
                figures.privateFromLinux = true;
            }
        }
    }
    if (process) CloseHandle(process);
}

// User plus kernel time of a Linux process from /proc/<pid>/stat, in
// seconds: fields 14 and 15, in Linux's fixed 100 ticks a second.
std::optional<double> LinuxCpuSeconds(const std::wstring& procFolder) {
    const std::string stat = ReadSmallFile(procFolder + L"stat");
    const size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) return std::nullopt;
    const char* field = stat.c_str() + nameEnd + 1;
    double ticks = 0;
    for (int number = 3; number <= 15 && *field; ++number) {
        char* next = nullptr;
        while (*field == ' ') ++field;
        const double value = std::strtod(field, &next);
        if (number >= 14) ticks += value;
        while (*next && *next != ' ') ++next;
        field = next;
    }
    return ticks / 100.0;
}

// Both views of a process's CPU time, in seconds: Windows' own and, when its
// Linux process is found, Linux's.
struct CpuSample {
    double windows = -1;
    std::optional<double> linux_;
};

CpuSample SampleCpu(const Run& run) {
    CpuSample sample;
    if (!run.Started() || WaitForSingleObject(run.Process(), 0) != WAIT_TIMEOUT) return sample;
    sample.windows = CpuSeconds(run.Process());
    if (const auto procFolder = LinuxProcessFolder(run.Exe())) sample.linux_ = LinuxCpuSeconds(*procFolder);
    return sample;
}

// The CPU time of the idle programs over the same seconds, all running at
// once at places of their own, the median of each program in milliseconds.
// Wine's GetProcessTimes may stay at zero for another process; Linux's
// figures then stand for it.
void MeasureIdleCpu(int runs, int idleSeconds) {
    std::vector<std::unique_ptr<Run>> velk, bare;
    for (int run = 0; run < runs; ++run) {
        const int left = (run % 10) * 128, top = run / 10 % 2 * 512;
        velk.push_back(std::make_unique<Run>(Program::Velk, left, top));
        bare.push_back(std::make_unique<Run>(Program::Bare, left + 64, top + 256));
    }
    for (const auto* group : {&velk, &bare})
        for (const auto& run : *group)
            if (run->Started()) WaitForInputIdle(run->Process(), 20000);
    Sleep(2000);  // past the start's own work
    const auto sample = [](const std::vector<std::unique_ptr<Run>>& group) {
        std::vector<CpuSample> samples;
        for (const auto& run : group) samples.push_back(SampleCpu(*run));
        return samples;
    };
    const auto velkBefore = sample(velk), bareBefore = sample(bare);
    Sleep(static_cast<DWORD>(idleSeconds) * 1000);
    const auto velkAfter = sample(velk), bareAfter = sample(bare);

    bool fromLinux = true;
    for (const auto* samples : {&velkBefore, &bareBefore, &velkAfter, &bareAfter})
        for (const CpuSample& one : *samples) fromLinux = fromLinux && one.windows >= 0 && one.linux_;
    const auto used = [&](const std::vector<CpuSample>& before, const std::vector<CpuSample>& after, bool fromStat) {
        std::vector<double> ms;
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i].windows < 0 || after[i].windows < 0) continue;
            ms.push_back(fromStat ? (*after[i].linux_ - *before[i].linux_) * 1000
                               : (after[i].windows - before[i].windows) * 1000);
        }
        return ms;
    };
    const auto windowsVelk = Median(used(velkBefore, velkAfter, false)),
               windowsBare = Median(used(bareBefore, bareAfter, false));
    const std::string seconds = std::to_string(idleSeconds);
    if (!windowsVelk || !windowsBare) {
        PrintUnmeasured(("CPU over " + seconds + " s of idle clock (ms)").c_str(),
                        "a program did not start or ended early");
    } else if (*windowsVelk > 0 || *windowsBare > 0) {
        PrintPair(("CPU over " + seconds + " s of idle clock (ms, GetProcessTimes)").c_str(), *windowsVelk,
                  *windowsBare);
    } else if (fromLinux) {
        PrintPair(("CPU over " + seconds + " s of idle clock (ms, Linux stat)").c_str(),
                  *Median(used(velkBefore, velkAfter, true)), *Median(used(bareBefore, bareAfter, true)));
    } else {
        PrintUnmeasured(("CPU over " + seconds + " s of idle clock (ms)").c_str(),
                        "GetProcessTimes reports zero and not every Linux process was found");
    }
}

// Ctrl+K pressed on the focused panel until the settings dialog is visible.
std::optional<double> MeasureSettingsOpen() {
    Run run(Program::Velk, 100, 100);
    HWND panel = nullptr;
    if (!run.Started() || !WaitForVisibleWindow(run.ProcessId(), L"Tf_main", nullptr, 20, &panel)) return std::nullopt;
    WaitForInputIdle(run.Process(), 20000);
    // A click near the client area's bottom left corner, where this panel
    // has no line, gives it the keyboard.
    RECT client;
    GetClientRect(panel, &client);
    POINT corner{3, client.bottom - 3};
    ClientToScreen(panel, &corner);
    INPUT click[] = {test::MouseInput(corner, MOUSEEVENTF_MOVE), test::MouseInput(corner, MOUSEEVENTF_LEFTDOWN),
                     test::MouseInput(corner, MOUSEEVENTF_LEFTUP)};
    SendInput(ARRAYSIZE(click), click, sizeof(INPUT));
    const double focusUntil = Now() + 3;
    while (GetForegroundWindow() != panel && Now() < focusUntil) Sleep(5);
    if (GetForegroundWindow() != panel) return std::nullopt;
    Sleep(200);  // the click's own messages handled

    INPUT keys[4] = {};
    for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = keys[2].ki.wVk = 'K';
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    const double pressed = Now();
    SendInput(ARRAYSIZE(keys), keys, sizeof(INPUT));
    const std::optional<double> shown = WaitForVisibleWindow(run.ProcessId(), L"Tf_setup", kSetupTitle, 20);
    if (!shown) return std::nullopt;
    return (*shown - pressed) * 1000;
}

void PrintStartPair(const char* name, const std::vector<double>& velk, const std::vector<double>& bare,
                    const char* reason) {
    const auto velkMedian = Median(velk), bareMedian = Median(bare);
    if (velkMedian && bareMedian)
        PrintPair(name, *velkMedian, *bareMedian);
    else
        PrintUnmeasured(name, reason);
}

std::optional<double> FileKilobytes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return static_cast<double>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / 1000.0;
}

}  // namespace

int main() {
    const int runs = EnvironmentNumber("BENCH_RUNS", 10);
    const int idleSeconds = EnvironmentNumber("BENCH_IDLE_SECONDS", 60);
    bench::PrintTableHeader();

    StartFigures velk, bare, bareCommonControls;
    for (int run = 0; run < runs; ++run) {
        MeasureStart(Program::Velk, velk);
        MeasureStart(Program::Bare, bare);
        MeasureStart(Program::BareCommonControls, bareCommonControls);
    }
    const char* notStarted = "no start showed a window and reached input idle";
    PrintStartPair("start to first visible window (ms, median)", velk.toVisibleMs, bare.toVisibleMs, notStarted);
    PrintStartPair("start to input idle (ms, median)", velk.toIdleMs, bare.toIdleMs, notStarted);
    PrintStartPair("working set 1 s after start (MB, median)", velk.workingSetMb, bare.workingSetMb,
                   "GetProcessMemoryInfo failed");
    const char* privateName = velk.privateFromLinux || bare.privateFromLinux
                                  ? "private bytes 1 s after start (MB, Linux RssAnon)"
                                  : "private bytes 1 s after start (MB, median)";
    PrintStartPair(privateName, velk.privateMb, bare.privateMb,
                   "Wine reports no private bytes and no Linux process matched");
    const auto velkPrivate = Median(velk.privateMb), barePrivate = Median(bare.privateMb);
    if (velkPrivate && barePrivate)
        bench::PrintFigure("private bytes, velk.exe less bare panel (MB)", *velkPrivate - *barePrivate);
    // The same against the bare panel with comctl32 loaded: what velk.exe
    // costs beyond the library its settings dialog needs.
    PrintStartPair("start to visible, bare panel with comctl32 (ms)", velk.toVisibleMs,
                   bareCommonControls.toVisibleMs, notStarted);
    PrintStartPair("start to input idle, bare panel with comctl32 (ms)", velk.toIdleMs, bareCommonControls.toIdleMs,
                   notStarted);
    PrintStartPair("private bytes, bare panel with comctl32 (MB)", velk.privateMb, bareCommonControls.privateMb,
                   "Wine reports no private bytes and no Linux process matched");
    if (velk.failed + bare.failed + bareCommonControls.failed > 0)
        std::printf("(%d starts of velk.exe, %d of the bare panel and %d of it with comctl32 failed and are left out)\n",
                    velk.failed, bare.failed, bareCommonControls.failed);

    MeasureIdleCpu(runs, idleSeconds);

    const auto velkSize = FileKilobytes(OwnFolder() + L"velk.exe"), bareSize = FileKilobytes(OwnFolder() + L"bare_panel.exe");
    if (velkSize && bareSize)
        PrintPair("size of the x86_64 .exe (KB)", *velkSize, *bareSize);
    else
        PrintUnmeasured("size of the x86_64 .exe (KB)", "a program is missing beside the bench");

    std::vector<double> opens;
    for (int run = 0; run < runs; ++run)
        if (const auto ms = MeasureSettingsOpen()) opens.push_back(*ms);
    if (const auto median = Median(opens))
        bench::PrintFigure("Ctrl+K to the settings dialog visible (ms, median)", *median);
    else
        PrintUnmeasured("Ctrl+K to the settings dialog visible (ms)", "the dialog never became visible");
    return 0;
}
