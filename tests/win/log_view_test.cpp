// The log view keeps its text whole and moves through it by the keyboard,
// the wheel and the scroll bar.
#include <gtest/gtest.h>

#include "ui/log_view.h"

namespace velk {
namespace {

class LogViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterLogView();
        view_ = CreateWindowExW(0, kLogViewClass, L"", WS_POPUP | WS_VSCROLL, 0, 0, 170, 130, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(view_, nullptr);
    }
    void TearDown() override { DestroyWindow(view_); }

    void SetLines(int count) {
        std::wstring text;
        for (int line = 0; line < count; ++line) text += (line ? L"\r\n" : L"") + std::to_wstring(line);
        SetWindowTextW(view_, text.c_str());
    }
    int Position() const { return GetScrollPos(view_, SB_VERT); }
    void Key(UINT key) { SendMessageW(view_, WM_KEYDOWN, key, 0); }

    HWND view_ = nullptr;
};

TEST_F(LogViewTest, GivesBackTheTextItWasGiven) {
    const std::wstring text = L"wł. 1.2.2000 o 7:8:9\r\nwył. 1.2.2000 o 9:0:0";
    SetWindowTextW(view_, text.c_str());
    ASSERT_EQ(GetWindowTextLengthW(view_), static_cast<int>(text.size()));
    wchar_t buffer[64];
    EXPECT_EQ(GetWindowTextW(view_, buffer, 64), static_cast<int>(text.size()));
    EXPECT_EQ(std::wstring(buffer), text);
    // A short buffer gets what fits, ended by a zero.
    EXPECT_EQ(GetWindowTextW(view_, buffer, 5), 4);
    EXPECT_EQ(std::wstring(buffer), L"wł. ");
    SetWindowTextW(view_, L"");
    EXPECT_EQ(GetWindowTextLengthW(view_), 0);
}

TEST_F(LogViewTest, KeysAndTheWheelScrollWithinTheLines) {
    SetLines(100);
    EXPECT_EQ(Position(), 0);
    Key(VK_DOWN);
    EXPECT_EQ(Position(), 1);
    Key(VK_NEXT);
    const int page = Position() - 1;
    EXPECT_GT(page, 1);
    Key(VK_END);
    EXPECT_EQ(Position(), 100 - page) << "the last line ends the last page";
    Key(VK_DOWN);
    EXPECT_EQ(Position(), 100 - page);
    SendMessageW(view_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(Position(), 100 - page - 3);
    Key(VK_HOME);
    EXPECT_EQ(Position(), 0);
    Key(VK_UP);
    EXPECT_EQ(Position(), 0);

    // New text starts at its top again.
    Key(VK_END);
    SetLines(200);
    EXPECT_EQ(Position(), 0);
}

TEST_F(LogViewTest, ATextThatFitsDoesNotScroll) {
    SetLines(3);
    Key(VK_END);
    EXPECT_EQ(Position(), 0);
    SendMessageW(view_, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Position(), 0);
}

}  // namespace
}  // namespace velk
