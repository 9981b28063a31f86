// The panel's backgrounds on screen, and the picture loader's errors.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Quadrants(int x, int y) {
    static constexpr COLORREF kColours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    return kColours[(y >= 1 ? 2 : 0) + (x >= 1 ? 1 : 0)];
}

// A 50 x 40 texture whose every pixel tells where in the texture it lies.
COLORREF TexturePixel(int x, int y) { return RGB(x * 5, y * 6, 128); }

class Background : public ::testing::Test {
protected:
    // The panel once its first paint is on the screen: nothing is left to
    // paint, and the white of its first label shows, over every background
    // of these tests.
    HWND Start(Settings settings) {
        settings.Shortcuts[0] = {"Napis", "", "L"};
        settings.Shortcuts[19] = {"Ostatni", "", "L"};
        HWND panel = run_.StartWith(settings);
        if (!panel) return nullptr;
        const auto painted = [&] { return !GetUpdateRect(panel, nullptr, FALSE) && WhiteInLabel(panel) > 10; };
        return WaitUntil(painted, 3000) ? panel : nullptr;
    }
    // A picture file in the run's folder, and the settings that show it.
    Settings WithPicture(int mode, const wchar_t* name, const std::string& file) {
        run_.WriteFile(name, file);
        Settings settings = TestSettings();
        settings.BackgroundMode = mode;
        settings.BackgroundPicture = Path(name);
        return settings;
    }
    COLORREF ClientPixel(HWND panel, int x, int y) {
        const RECT client = ClientRectOnScreen(panel);
        return CapturePixels(RECT{client.left + x, client.top + y, client.left + x + 1, client.top + y + 1})[0];
    }
    int WhiteInLabel(HWND panel) { return CountColor(CapturePixels(LabelOnScreen(panel, 1)), kWhite); }
    std::string Path(const wchar_t* name) const {
        const std::wstring path = run_.Folder() + name;
        return std::string(path.begin(), path.end());
    }
    VelkRun run_;
};

TEST_F(Background, AColourFillsTheClientArea) {
    Settings settings = TestSettings();
    settings.BackgroundMode = 1;
    settings.BackgroundColor = 0x336699;
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);
    for (POINT at : {POINT{1, 1}, POINT{128, 1}, POINT{1, 360}, POINT{128, 360}, POINT{64, 200}})
        EXPECT_EQ(ClientPixel(panel, at.x, at.y), RGB(0x99, 0x66, 0x33)) << at.x << "," << at.y;
    EXPECT_GT(WhiteInLabel(panel), 10) << "the label stays readable";
}

TEST_F(Background, APictureIsStretchedOverThePanel) {
    HWND panel = Start(WithPicture(2, L"tlo.bmp", MakeBitmapFile(2, 2, Quadrants)));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(ClientPixel(panel, 30, 90), RGB(255, 0, 0));
    EXPECT_EQ(ClientPixel(panel, 100, 90), RGB(0, 255, 0));
    EXPECT_EQ(ClientPixel(panel, 30, 270), RGB(0, 0, 255));
    EXPECT_EQ(ClientPixel(panel, 100, 270), RGB(255, 255, 0));
    EXPECT_GT(WhiteInLabel(panel), 10);
}

TEST_F(Background, ATextureIsTiledFromTheTopLeftAndClippedAtTheEdges) {
    HWND panel = Start(WithPicture(3, L"tekstura.bmp", MakeBitmapFile(50, 40, TexturePixel)));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(run_.WaitForWindow(L"#32770", nullptr, 200), nullptr);
    const struct { int x, y; } points[] = {{0, 0}, {49, 39}, {50, 0}, {100, 40}, {75, 20}, {129, 1}, {3, 361}, {60, 200}};
    for (const auto& point : points)
        EXPECT_EQ(ClientPixel(panel, point.x, point.y), TexturePixel(point.x % 50, point.y % 40))
            << point.x << "," << point.y;
    EXPECT_GT(WhiteInLabel(panel), 10);
}

TEST_F(Background, ATextureLargerThanThePanelIsDrawnOnce) {
    HWND panel =
        Start(WithPicture(3, L"duza.bmp", MakeBitmapFile(200, 400, [](int x, int y) { return RGB(x, y / 2, 64); })));
    ASSERT_NE(panel, nullptr);
    for (POINT at : {POINT{0, 0}, POINT{129, 361}, POINT{64, 180}})
        EXPECT_EQ(ClientPixel(panel, at.x, at.y), RGB(at.x, at.y / 2, 64)) << at.x << "," << at.y;
}

struct BadPicture {
    const wchar_t* name;
    std::string_view content;  // empty: no such file
    const wchar_t* message;  // null: "Cannot open file <path>"
};

TEST_F(Background, EveryLoaderErrorIsShownInTheStandardErrorBoxAndThePanelRunsOn) {
    using namespace std::literals;
    const BadPicture cases[] = {
        {L"obraz.GIF", "GIF89a"sv, L"Unknown picture file extension (.gif)."},
        {L"brak.bmp", ""sv, nullptr},
        {L"zly.bmp", "BM this is no bitmap at all"sv, L"Bitmap image is not valid."},
        {L"zly.wmf", "\xD7\xCD\xC6\x9A junk"sv, L"Metafile is not valid."},
        {L"zly.emf", "\x01\0\0\0 junk that is no metafile"sv, L"Metafile is not valid."},
        {L"zly.ico", "\0\0\1\0\1\0junk"sv, L"Icon image is not valid."},
    };
    for (const BadPicture& bad : cases) {
        VelkRun run;
        if (!bad.content.empty()) run.WriteFile(bad.name, std::string(bad.content));
        Settings settings = TestSettings();
        settings.BackgroundMode = 2;
        const std::wstring path = run.Folder() + bad.name;
        settings.BackgroundPicture = std::string(path.begin(), path.end());
        run.WriteSettings(settings);
        run.Start();
        HWND box = run.WaitForWindow(L"#32770", L"=VELK=");
        ASSERT_NE(box, nullptr) << bad.content.size();
        const std::wstring expected = bad.message ? bad.message : L"Cannot open file " + path + L".";
        EXPECT_EQ(MessageBoxText(box), expected);
        PressOk(box);
        EXPECT_NE(run.WaitForPanel(), nullptr);
        EXPECT_FALSE(run.WaitForExit(200));
    }
}

TEST_F(Background, ATextureThatFailsIsReportedOncePerPath) {
    run_.WriteSettings(WithPicture(3, L"zly.wmf", "\xD7\xCD\xC6\x9A no bitmap"));
    run_.Start();
    HWND box = run_.WaitForWindow(L"#32770", L"=VELK=");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Bitmap image is not valid.");
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 2000));

    HWND panel = run_.WaitForPanel();
    ASSERT_NE(panel, nullptr);
    // Each repaint done (the update region gone) before the next: a paint
    // that loaded the texture again would show its box.
    for (int repaint = 0; repaint < 3; ++repaint) {
        InvalidateRect(panel, nullptr, TRUE);
        EXPECT_TRUE(WaitUntil([&] { return !GetUpdateRect(panel, nullptr, FALSE); }, 2000)) << repaint;
    }
    EXPECT_EQ(run_.WaitForWindow(L"#32770", nullptr, 300), nullptr) << "no second box";
}

}  // namespace
}  // namespace velk::e2e
