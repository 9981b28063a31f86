// Nothing is left alive: the objects the ui/ owners hold, counted by them
// (the win tier links the counting build), do not grow across creating and
// destroying each form, nor across repeated paints in every background mode.
// The system cannot tell us: GetGuiResources gives 0 under Wine.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "about/info_form.h"
#include "app/main_form.h"
#include "core/file_io.h"
#include "monitor/lista_form.h"
#include "monitor/monitor_form.h"
#include "settings/setup_form.h"
#include "support/bitmap_file.h"
#include "ui/object_count.h"
#include "win_test_support.h"

namespace velk {
namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

Settings PanelSettings(int mode, const std::string& picture) {
    Settings settings;
    settings.Placement = 1;
    settings.ClockSeconds = true;
    settings.MonitorInfoSeconds = "10";
    settings.Shortcuts[0] = {"_ZEGAR", "", ""};
    settings.Shortcuts[1] = {"Notatnik", "notepad.exe", ""};
    settings.Shortcuts[19] = {"Ostatni", "", ""};
    settings.BackgroundMode = mode;
    settings.BackgroundColor = 0x804020;
    settings.BackgroundPicture = picture;
    return settings;
}

void Repaint(HWND window, int times) {
    for (int paint = 0; paint < times; ++paint) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
}

TEST(Leaks, CreatingAndDestroyingEveryFormLeavesNothingAlive) {
    test::ScratchSettings file;
    file.Write(PanelSettings(1, ""));
    Tf_main panel;
    ASSERT_TRUE(panel.Create());
    const std::function<std::unique_ptr<Form>()> makers[] = {
        [] { return std::make_unique<Tf_main>(); },
        [&] { return std::make_unique<Tf_setup>(panel); },
        [] { return std::make_unique<Tf_info>(); },
        [&] { return std::make_unique<Tf_monitor>(panel); },
        [&] { return std::make_unique<Tf_lista>(panel); },
    };
    for (const auto& make : makers) {
        const long before = LiveObjects();
        for (int round = 0; round < 10; ++round) {
            std::unique_ptr<Form> form = make();
            ASSERT_TRUE(form->Create());
            EXPECT_GT(LiveObjects(), before) << "a live form's fonts are counted";
            ShowWindow(form->hwnd(), SW_SHOWNOACTIVATE);
            UpdateWindow(form->hwnd());
        }
        EXPECT_EQ(LiveObjects(), before) << "form " << (&make - makers);
    }
}

TEST(Leaks, RepaintsInEveryBackgroundModeLeaveNothingAlive) {
    test::ScratchSettings file;
    const std::wstring bitmap = ExecutableFolder() + L"leak-tlo.bmp";
    ASSERT_TRUE(WriteWholeFile(bitmap, MakeBitmapFile(16, 16, [](int x, int y) { return RGB(x * 16, y * 16, 7); })));
    Tf_main panel;
    for (int mode = 0; mode <= 3; ++mode) {
        file.Write(PanelSettings(mode, Narrow(bitmap)));
        if (!panel.hwnd()) {
            ASSERT_TRUE(panel.Create());
            ShowWindow(panel.hwnd(), SW_SHOWNOACTIVATE);
        } else {
            panel.LoadSettings();
        }
        Repaint(panel.hwnd(), 1);  // the background's cache is made once
        const long before = LiveObjects();
        Repaint(panel.hwnd(), 200);
        SendMessageW(panel.hwnd(), WM_TIMER, 1, 0);
        EXPECT_EQ(LiveObjects(), before) << "mode " << mode;
    }
    Tf_info info;
    Tf_lista list(panel);
    ASSERT_TRUE(info.Create());
    ASSERT_TRUE(list.Create());
    for (Form* form : {static_cast<Form*>(&info), static_cast<Form*>(&list)}) {
        ShowWindow(form->hwnd(), SW_SHOWNOACTIVATE);
        Repaint(form->hwnd(), 1);
        const long before = LiveObjects();
        Repaint(form->hwnd(), 100);
        EXPECT_EQ(LiveObjects(), before);
    }
    DeleteFileW(bitmap.c_str());
}

}  // namespace
}  // namespace velk
