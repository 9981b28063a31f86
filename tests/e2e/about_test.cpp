// The about box from outside: opened from the menu and by F12, its texts,
// the deciphered last line as drawn on the screen, the more-information
// message, and the ways of closing it.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

constexpr wchar_t kDescription[] =
    L"Program szybkiego dostępu. Umożliwia szybki \r\n"
    L"dostęp do programów, plików, katalogów, dysków, \r\n"
    L"prosto z okienka otwierającego się na pulpicie.\r\n"
    L"Program ten jest darmowy (freeware) i można go\r\n"
    L"rozpowszechniać do woli. Aby zdobyć najnowszą \r\n"
    L"wersję programu, zajrzyj w internecie na stronę";
constexpr wchar_t kDecipheredLine[] = L"Ten napis jest zapisany szyfrem.";
constexpr RECT kCryptLabel{0, 160, 241, 177};

// The label's text drawn here as the about box draws it: centred, word
// wrapped, Arial 11 pixels italic, black on the white of the window.
std::vector<COLORREF> DrawnHere(const wchar_t* text) {
    const int width = kCryptLabel.right - kCryptLabel.left;
    const int height = kCryptLabel.bottom - kCryptLabel.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Arial");
    HGDIOBJ oldFont = SelectObject(memory, font);
    RECT area{0, 0, width, height};
    FillRect(memory, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, RGB(0, 0, 0));
    DrawTextW(memory, text, -1, &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_TOP);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, oldFont);
    DeleteObject(font);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

class AboutBox : public ::testing::Test {
protected:
    HWND StartPanel() { return run_.StartWith(TestSettings()); }
    HWND WaitForAboutBox() { return run_.WaitForWindow(L"Tf_info", L"O programie...", 3000); }
    // F12 on the panel, as a user presses it.
    HWND OpenByF12(HWND panel) {
        if (!FocusPanel(panel)) return nullptr;
        PressKeys({VK_F12});
        return WaitForAboutBox();
    }
    void ExpectClosed(HWND about) {
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }, 2000));
        EXPECT_TRUE(IsWindow(about)) << "hidden, not destroyed";
        EXPECT_FALSE(run_.WaitForExit(100));
    }

    VelkRun run_;
};

TEST_F(AboutBox, OpensFromTheMenuWithItsTextsAndTheLastLineDeciphered) {
    HWND panel = StartPanel();
    ASSERT_NE(panel, nullptr);
    const RECT client = ClientRectOnScreen(panel);
    ClickAt(POINT{client.left + 3, client.bottom - 3}, true);
    ASSERT_NE(run_.WaitForWindow(L"#32768", nullptr, 3000), nullptr);
    PressKeys({'O'});
    HWND about = WaitForAboutBox();
    ASSERT_NE(about, nullptr);

    const POINT centre = CentreOnScreen(about);
    EXPECT_NEAR(centre.x, GetSystemMetrics(SM_CXSCREEN) / 2, 2) << "centred the first time";
    EXPECT_NEAR(centre.y, GetSystemMetrics(SM_CYSCREEN) / 2, 2);
    const RECT aboutClient = ClientRectOnScreen(about);
    EXPECT_EQ(aboutClient.right - aboutClient.left, 422);
    EXPECT_EQ(aboutClient.bottom - aboutClient.top, 179);

    const std::vector<HWND> labels = ChildWindows(about, L"Static");
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(WindowText(labels.front()), L"VELK v.4");
    const std::vector<HWND> memos = ChildWindows(about, L"Edit");
    ASSERT_FALSE(memos.empty());
    EXPECT_EQ(WindowText(memos.front()), kDescription);

    const RECT label{aboutClient.left + kCryptLabel.left, aboutClient.top + kCryptLabel.top,
                     aboutClient.left + kCryptLabel.right, aboutClient.top + kCryptLabel.bottom};
    const std::vector<COLORREF> expected = DrawnHere(kDecipheredLine);
    ASSERT_GT(CountColor(expected, RGB(0, 0, 0)), 20) << "the reference shows text";
    EXPECT_EQ(CapturePixels(label), expected);
}

TEST_F(AboutBox, MoreInformationReturnsToTheBoxAndOkClosesIt) {
    HWND panel = StartPanel();
    ASSERT_NE(panel, nullptr);
    HWND about = OpenByF12(panel);
    ASSERT_NE(about, nullptr);

    HWND more = ChildWithText(about, L"&Więcej");
    ASSERT_NE(more, nullptr);
    ClickAt(CentreOnScreen(more));
    HWND box = run_.WaitForWindow(L"#32770", L"Więcej informacyj...", 3000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              L"VELK - Program szybkiego dostępu v.4\n"
              L"Ta wersja programu VELK pochodzi z dnia 31.VII.2000.\n"
              L"----------------\n"
              L"Dziękujemy za korzystanie z programu VELK.\n"
              L"Miłej pracy z programem!\n");
    EXPECT_EQ(GetWindow(box, GW_OWNER), about);
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 2000));
    EXPECT_TRUE(IsWindowVisible(about)) << "the box stays open";

    HWND ok = ChildWithText(about, L"&OK");
    ASSERT_NE(ok, nullptr);
    ClickAt(CentreOnScreen(ok));
    ExpectClosed(about);
}

TEST_F(AboutBox, TheCloseBoxClosesItAndEnterOnTheDefaultButtonToo) {
    HWND panel = StartPanel();
    ASSERT_NE(panel, nullptr);
    HWND about = OpenByF12(panel);
    ASSERT_NE(about, nullptr);
    ClickAt(CloseBoxOf(about));
    ExpectClosed(about);

    ASSERT_EQ(OpenByF12(panel), about);
    PressKeys({VK_RETURN});
    ExpectClosed(about);
}

}  // namespace
}  // namespace velk::e2e
