// Nothing is left alive: the objects the ui/ owners hold, counted by them
// (the win tier links the counting build, win/object_count.cpp), do not grow
// across creating and destroying each form, nor across repeated paints in
// every background mode. The owners count because the system cannot tell
// us: GetGuiResources is a stub under Wine and always gives 0.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "about/info_form.h"
#include "app/main_form.h"
#include "app/program.h"
#include "win/file_io.h"
#include "win/text.h"
#include "monitor/lista_form.h"
#include "monitor/monitor_form.h"
#include "settings/setup_form.h"
#include "support/bitmap_file.h"
#include "win/object_count.h"
#include "support/clock_panel_settings.h"
#include "win_test_support.h"

namespace velk {
namespace {

// The owners count their objects exactly: one left per cycle or repaint
// shows at once. make soak runs the long loops.
constexpr int kCycles = 6;
constexpr int kRepaints = 100;

// Repaints the whole window, each paint done before the next begins.
void Repaint(HWND window, int times) {
    for (int paint = 0; paint < times; ++paint) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
}

void ShowAndPaint(const Form& form) {
    ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(form.hwnd());
}

// The forms of the program, each made anew; the panel is the one the
// settings dialog and the monitoring windows belong to.
struct FormMaker {
    const char* name;
    std::function<std::shared_ptr<Form>()> make;
};

std::vector<FormMaker> EveryForm(Program& program) {
    Tf_main& panel = program.f_main;
    return {
        {"Tf_main", [] { return std::make_shared<Final<Tf_main>>(); }},
        {"Tf_setup", [&] { return std::make_shared<Final<Tf_setup>>(program.LinksForSetup()); }},
        {"Tf_info", [] { return std::make_shared<Final<Tf_info>>(); }},
        {"Tf_monitor", [&] { return std::make_shared<Final<Tf_monitor>>(panel.Monitoring); }},
        {"Tf_lista", [&] { return std::make_shared<Final<Tf_lista>>(panel.Monitoring.ProgramDir); }},
    };
}

class FormLeaks : public ::testing::Test {
protected:
    void SetUp() override {
        file_.Write(test::ClockPanelSettings(1, ""));
        ASSERT_TRUE(panel_.Create());
    }
    test::ScratchSettings file_;
    Program program_;
    Tf_main& panel_ = program_.f_main;
};

// Whole cycles: created, shown and painted, then destroyed by Destroy()
// before the destructor on odd cycles, by the destructor alone on even ones.
TEST_F(FormLeaks, CreatingAndDestroyingEveryFormLeavesNothingAlive) {
    for (const auto& [name, make] : EveryForm(program_)) {
        SCOPED_TRACE(name);
        const long before = LiveObjects();
        for (int cycle = 0; cycle < kCycles; ++cycle) {
            std::shared_ptr<Form> form = make();
            ASSERT_TRUE(form->Create()) << cycle;
            ShowAndPaint(*form);
            ASSERT_GT(LiveObjects(), before) << "a live form's objects are counted";
            if (cycle % 2 == 1) {
                const HWND window = form->hwnd();
                form->Destroy();
                ASSERT_FALSE(IsWindow(window));
            }
        }
        EXPECT_EQ(LiveObjects(), before);
    }
}

// A form's object outlives Destroy() and may be created again: the second
// window is whole and holds what the first held, no more.
TEST_F(FormLeaks, AFormCreatedAgainAfterDestroyHoldsWhatItsFirstWindowHeld) {
    for (const auto& [name, make] : EveryForm(program_)) {
        SCOPED_TRACE(name);
        std::shared_ptr<Form> form = make();
        ASSERT_TRUE(form->Create());
        ShowAndPaint(*form);
        const long firstWindow = LiveObjects();
        for (int again = 0; again < 3; ++again) {
            form->Destroy();
            EXPECT_TRUE(form->Create()) << again;
            ShowAndPaint(*form);
            EXPECT_EQ(LiveObjects(), firstWindow) << again;
        }
    }
}

TEST(PaintLeaks, RepaintsInEveryBackgroundModeLeaveNothingAlive) {
    test::ScratchSettings file;
    const std::wstring bitmap = ExecutableFolder() + L"leak-tlo.bmp";
    ASSERT_EQ(WriteWholeFile(bitmap, MakeBitmapFile(16, 16, [](int x, int y) { return RGB(x * 16, y * 16, 7); })),
              FileError::None);
    Final<Tf_main> panel;
    for (int mode = 0; mode <= 3; ++mode) {
        file.Write(test::ClockPanelSettings(mode, ToCp1250(bitmap)));
        if (!panel.hwnd()) {
            ASSERT_TRUE(panel.Create());
            ShowWindow(panel.hwnd(), SW_SHOWNOACTIVATE);
        } else {
            panel.LoadSettings();
        }
        // The first paint may make what the panel keeps while it lives (its
        // background, rendered once); later ones must add nothing.
        Repaint(panel.hwnd(), 1);
        const long before = LiveObjects();
        Repaint(panel.hwnd(), kRepaints);
        SendMessageW(panel.hwnd(), WM_TIMER, 1, 0);  // a clock tick repaints its label
        UpdateWindow(panel.hwnd());
        EXPECT_EQ(LiveObjects(), before) << "mode " << mode;
    }
    Final<Tf_info> info;
    Final<Tf_lista> list(panel.Monitoring.ProgramDir);
    ASSERT_TRUE(info.Create());
    ASSERT_TRUE(list.Create());
    for (Form* form : {static_cast<Form*>(&info), static_cast<Form*>(&list)}) {
        ShowWindow(form->hwnd(), SW_SHOWNOACTIVATE);
        Repaint(form->hwnd(), 1);
        const long before = LiveObjects();
        Repaint(form->hwnd(), kRepaints);
        EXPECT_EQ(LiveObjects(), before) << (form == &info ? "Tf_info" : "Tf_lista");
    }
    DeleteFileW(bitmap.c_str());
}

}  // namespace
}  // namespace velk
