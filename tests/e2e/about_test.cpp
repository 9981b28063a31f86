// The about box from outside: opened from the menu and by F12, its texts,
// the deciphered last line as drawn on the screen, the more-information
// message, and the ways of closing it.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

// What the program's version resource says of it: "VELK - <full name>" and
// its version's first number, which the about box names as well.
struct VersionResource {
    std::wstring description;
    std::wstring major;
};

VersionResource VersionOf(const std::wstring& program) {
    std::vector<char> block(GetFileVersionInfoSizeW(program.c_str(), nullptr));
    if (block.empty() || !GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return {};
    void* value = nullptr;
    UINT length = 0;
    VersionResource version;
    if (VerQueryValueW(block.data(), L"\\StringFileInfo\\041504B0\\FileDescription", &value, &length))
        version.description = static_cast<const wchar_t*>(value);
    if (VerQueryValueW(block.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO))
        version.major = std::to_wstring(HIWORD(static_cast<const VS_FIXEDFILEINFO*>(value)->dwFileVersionMS));
    return version;
}

std::vector<std::wstring> SplitLines(const std::wstring& text, const std::wstring& end) {
    std::vector<std::wstring> lines;
    size_t from = 0;
    for (size_t at; (at = text.find(end, from)) != std::wstring::npos; from = at + end.size())
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

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
        EXPECT_TRUE(run_.Settled()) << "the program runs on";
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

    // The name and version as the program's version resource gives them:
    // "VELK v.<major>" above, the full name opening the description, which
    // is six lines (1, 2 and 5 ending in a space, none wrapped) whose last
    // leads into the web address below it.
    const VersionResource version = VersionOf(run_.Folder() + L"velk.exe");
    ASSERT_TRUE(version.description.starts_with(L"VELK - ") && !version.major.empty());
    const std::wstring fullName = version.description.substr(7);
    const std::vector<HWND> labels = ChildWindows(about, L"Static");
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ(WindowText(labels.front()), L"VELK v." + version.major);
    const std::vector<HWND> memos = ChildWindows(about, L"Edit");
    ASSERT_FALSE(memos.empty());
    const std::vector<std::wstring> lines = SplitLines(WindowText(memos.front()), L"\r\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(SendMessageW(memos.front(), EM_GETLINECOUNT, 0, 0), 6);
    EXPECT_TRUE(lines[0].starts_with(fullName + L". ")) << lines[0];
    for (size_t line = 0; line < lines.size(); ++line)
        EXPECT_EQ(lines[line].ends_with(L' '), line == 0 || line == 1 || line == 4) << line;
    EXPECT_NE(lines[3].find(L"(freeware)"), std::wstring::npos);
    EXPECT_TRUE(lines[5].ends_with(L"na stronę"));
    EXPECT_TRUE(WindowText(labels[1]).starts_with(L"http")) << "the address below";

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
    // Five lines, each ended: the name, full name and version, the date of
    // this version, sixteen hyphens, two lines of thanks.
    const VersionResource version = VersionOf(run_.Folder() + L"velk.exe");
    const std::vector<std::wstring> lines = SplitLines(MessageBoxText(box), L"\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], version.description + L" v." + version.major);
    EXPECT_EQ(lines[1], L"Ta wersja programu VELK pochodzi z dnia 31.VII.2000.");
    EXPECT_EQ(lines[2], std::wstring(16, L'-'));
    EXPECT_FALSE(lines[3].empty());
    EXPECT_FALSE(lines[4].empty());
    EXPECT_EQ(lines[5], L"") << "the last line ended too";
    EXPECT_EQ(GetWindow(box, GW_OWNER), about);
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 2000));
    ASSERT_TRUE(run_.Settled());
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
