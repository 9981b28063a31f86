// "Uruchamiaj razem z Windows" from outside: ticked, the Startup folder holds
// the panel's shortcut; unticked, it is gone. The prefix is shared: what the
// test made goes.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "core/startup_entry.h"
#include "driver.h"

namespace velk::e2e {
namespace {

// What the shortcut starts and where, as the shell reads it.
std::wstring LinkTargetAndFolder(const std::wstring& link) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* shortcut = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shortcut))) &&
        SUCCEEDED(shortcut->QueryInterface(IID_PPV_ARGS(&file))) && SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
        shortcut->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        shortcut->GetWorkingDirectory(folder, MAX_PATH);
    }
    if (file) file->Release();
    if (shortcut) shortcut->Release();
    return std::wstring(target) + L"|" + folder;
}

TEST(StartWithWindows, TickedTheStartupFolderHoldsThePanelsShortcutUntickedItIsGone) {
    VelkRun run;
    const HWND panel = run.StartWith(TestSettings());
    wchar_t startup[MAX_PATH];
    ASSERT_TRUE(panel && SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, 0, startup) == S_OK);
    std::wstring link;
    StartupLinkPath(startup, run.Folder(), link);
    const auto choose = [&] {
        const RECT client = ClientRectOnScreen(panel);
        ClickAt(POINT{client.left + 3, client.bottom - 3}, true);
        ASSERT_NE(run.WaitForWindow(L"#32768", nullptr, 3000), nullptr);
        PressKeys({'U'});
    };
    const std::wstring set = run.Folder() + L"velk.exe|" + run.Folder();
    choose();
    EXPECT_TRUE(WaitUntil([&] { return LinkTargetAndFolder(link) == set; }, 5000)) << LinkTargetAndFolder(link);
    choose();
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES; }, 5000));
    DeleteFileW(link.c_str());
}

}  // namespace
}  // namespace velk::e2e
