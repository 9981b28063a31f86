#pragma once
// Support for tests that create the program's windows in-process.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "settings/settings_file.h"
#include "core/file_io.h"

namespace velk::test {

// velk.ini beside the test program, where the panel looks for it; removed
// again at the end of the test.
class ScratchSettings {
public:
    ScratchSettings() : path_(ExecutableFolder() + L"velk.ini") {}
    ~ScratchSettings() { DeleteFileW(path_.c_str()); }
    void Write(const Settings& settings) const { WriteWholeFile(path_, FormatSettings(settings)); }
    void WriteBytes(const std::string& bytes) const { WriteWholeFile(path_, bytes); }
    void Remove() const { DeleteFileW(path_.c_str()); }
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

// Answers the next message box of this process with OK from another thread,
// keeping its title and text, so a modal box cannot hang the test.
class BoxAnswerer {
public:
    BoxAnswerer() : thread_([this] { Run(); }) {}
    ~BoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    bool Answered() const { return answered_; }
    const std::wstring& Title() const { return title_; }
    const std::wstring& Text() const { return text_; }

private:
    static BOOL CALLBACK Find(HWND hwnd, LPARAM lParam) {
        DWORD processId = 0;
        GetWindowThreadProcessId(hwnd, &processId);
        wchar_t className[32] = {};
        GetClassNameW(hwnd, className, 32);
        if (processId != GetCurrentProcessId() || std::wstring(className) != L"#32770" || !IsWindowVisible(hwnd))
            return TRUE;
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    void Run() {
        while (!stop_ && !answered_) {
            HWND box = nullptr;
            EnumWindows(Find, reinterpret_cast<LPARAM>(&box));
            if (box) {
                wchar_t buffer[1024] = {};
                GetWindowTextW(box, buffer, 1024);
                title_ = buffer;
                GetDlgItemTextW(box, 0xFFFF, buffer, 1024);
                text_ = buffer;
                answered_ = true;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(20);
        }
    }
    std::atomic<bool> stop_{false};
    std::atomic<bool> answered_{false};
    std::wstring title_;
    std::wstring text_;
    std::thread thread_;
};

// Lets the window's messages run for a while (timers included).
inline void PumpMessages(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

}  // namespace velk::test
