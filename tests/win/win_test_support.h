#pragma once
// Support for tests that create the program's windows in-process.
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <initializer_list>
#include <string>
#include <string_view>
#include <thread>

#include "settings/settings_file.h"
#include "win/file_io.h"
#include "support/pump_messages.h"
#include "ui/application.h"

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

// Paths dropped at a client point, as the shell hands them to the window
// they were dropped on, which frees them.
inline WPARAM DropOf(POINT at, std::initializer_list<std::wstring_view> paths) {
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + 32768);
    auto* const drop = static_cast<DROPFILES*>(GlobalLock(memory));
    *drop = DROPFILES{sizeof(DROPFILES), at, FALSE, TRUE};
    auto* text = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring_view path : paths) text += path.copy(text, path.size()) + 1;
    GlobalUnlock(memory);
    return reinterpret_cast<WPARAM>(memory);
}

// A visible dialog box (class #32770: a message, file or colour box) of this
// process, or null.
inline HWND VisibleDialogOfThisProcess() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            DWORD processId = 0;
            GetWindowThreadProcessId(hwnd, &processId);
            wchar_t className[32] = {};
            GetClassNameW(hwnd, className, 32);
            if (processId != GetCurrentProcessId() || std::wstring(className) != L"#32770" || !IsWindowVisible(hwnd))
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Answers every dialog box of this process that opens (a message, file or
// colour box) with the command, from another thread, so a modal box cannot
// hang the test; notes how many opened, and the first one's title and text.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int command = IDOK) : command_(command), thread_([this] { Run(); }) {}
    ~BoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    bool Answered() const { return opened_ > 0; }
    int Opened() const { return opened_; }
    // Read once Answered() is true: written before the count grows.
    const std::wstring& Title() const { return title_; }
    const std::wstring& Text() const { return text_; }

private:
    void Run() {
        HWND last = nullptr;
        while (!stop_) {
            HWND box = VisibleDialogOfThisProcess();
            if (box && box != last) {
                if (opened_ == 0) {
                    wchar_t buffer[1024] = {};
                    GetWindowTextW(box, buffer, 1024);
                    title_ = buffer;
                    GetDlgItemTextW(box, 0xFFFF, buffer, 1024);
                    text_ = buffer;
                }
                ++opened_;
                last = box;
            }
            if (box) PostMessageW(box, WM_COMMAND, command_, 0);
            Sleep(20);  // the next look: a box's opening sends this thread nothing to wait on
        }
    }
    const int command_;
    std::atomic<bool> stop_{false};
    std::atomic<int> opened_{0};
    std::wstring title_;
    std::wstring text_;
    std::thread thread_;
};

}  // namespace velk::test
