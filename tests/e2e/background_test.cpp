// The panel's backgrounds on screen, and the picture loader's errors.
#include <gtest/gtest.h>

#include "driver.h"
#include "support/image_file.h"

namespace velk::e2e {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Quadrants(int x, int y) {
    static constexpr COLORREF kColours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    return kColours[(y >= 1 ? 2 : 0) + (x >= 1 ? 1 : 0)];
}

// A 50 x 40 texture whose every pixel tells where in the texture it lies.
COLORREF TexturePixel(int x, int y) { return RGB(x * 5, y * 6, 128); }

// COM for the imaging encoders that make the test pictures.
struct Com {
    Com() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Com() { CoUninitialize(); }
};

// A PNG chunk's CRC over its type and data, big-endian, as the chunk stores it.
std::string PngCrc(std::string_view typeAndData) {
    uint32_t crc = 0xFFFFFFFF;
    for (char byte : typeAndData) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    crc = ~crc;
    return {static_cast<char>(crc >> 24), static_cast<char>(crc >> 16), static_cast<char>(crc >> 8),
            static_cast<char>(crc)};
}

// Within the few levels a JPEG's compression moves a flat colour.
bool Near(COLORREF pixel, COLORREF expected) {
    const auto within = [](int a, int b) { return a - b <= 12 && b - a <= 12; };
    return within(GetRValue(pixel), GetRValue(expected)) && within(GetGValue(pixel), GetGValue(expected)) &&
           within(GetBValue(pixel), GetBValue(expected));
}

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
        settings.BackgroundMode = BackgroundMode{mode};
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
    settings.BackgroundMode = BackgroundMode::OwnColor;
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
    ASSERT_TRUE(WaitUntil([&] { return !GetUpdateRect(panel, nullptr, FALSE); }, 3000));
    ASSERT_TRUE(run_.Settled());
    EXPECT_EQ(run_.AnyDialog(), nullptr) << "the first paint loaded the texture without a box";
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

std::string BigEndian(uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

// A PNG of colour type 2 (RGB, no alpha), its pixels stored uncompressed:
// the kind of image Wine's icon functions draw with red and blue swapped.
std::string RgbPng(int side, COLORREF (*colourAt)(int x, int y)) {
    std::string pixels;
    for (int y = 0; y < side; ++y) {
        pixels += '\0';  // no filter
        for (int x = 0; x < side; ++x)
            for (const int channel : {GetRValue(colourAt(x, y)), GetGValue(colourAt(x, y)), GetBValue(colourAt(x, y))})
                pixels += static_cast<char>(channel);
    }
    uint32_t low = 1, high = 0;  // Adler-32
    for (const unsigned char byte : pixels) {
        low = (low + byte) % 65521;
        high = (high + low) % 65521;
    }
    const auto length = static_cast<uint16_t>(pixels.size());
    const std::string stored = std::string("\x78\x01\x01", 3) +
                               std::string{static_cast<char>(length), static_cast<char>(length >> 8),
                                           static_cast<char>(~length), static_cast<char>(~length >> 8)} +
                               pixels + BigEndian(high << 16 | low);
    const auto chunk = [](std::string body, const std::string& data) {
        body += data;
        return BigEndian(static_cast<uint32_t>(data.size())) + body + PngCrc(body);
    };
    return std::string("\x89PNG\r\n\x1A\n", 8) +
           chunk("IHDR", BigEndian(side) + BigEndian(side) + std::string("\x08\x02\0\0\0", 5)) +
           chunk("IDAT", stored) + chunk("IEND", "");
}

// An icon whose one image is stored as a PNG file, as a modern icon stores
// its 256 x 256 image.
std::string IconOfPng(const std::string& png, int side) {
    std::string icon("\0\0\1\0\1\0", 6);
    icon += {static_cast<char>(side), static_cast<char>(side), 0, 0, 1, 0, 32, 0};
    for (const uint32_t value : {static_cast<uint32_t>(png.size()), 22u})
        for (int byte = 0; byte < 4; ++byte) icon += static_cast<char>(value >> (8 * byte));
    return icon + png;
}

TEST_F(Background, PngJpegGifAndPngIconPicturesStretchAndTileWithThePanelsColourUnderTransparency) {
    const Com com;
    // The panel's colour: the desktop's, as no colour mode has set another.
    const COLORREF panelColour = GetSysColor(COLOR_BACKGROUND);
    const auto overPanel = [&](int channel) { return (channel * 0x7F + 0xFF * 0x80) / 0xFF; };
    // 40 x 40 in quadrants: red, transparent, half-transparent white, blue.
    const auto quadrants = [](int x, int y) -> uint32_t {
        static constexpr uint32_t kQuadrants[] = {0xFFFF0000, 0x0000FF00, 0x80FFFFFF, 0xFF0000FF};
        return kQuadrants[(y >= 20 ? 2 : 0) + (x >= 20 ? 1 : 0)];
    };
    const COLORREF halfWhite =
        RGB(overPanel(GetRValue(panelColour)), overPanel(GetGValue(panelColour)), overPanel(GetBValue(panelColour)));
    const auto texture = [](int x, int y) { return 0xFF000000u | static_cast<uint32_t>(x * 5 << 16 | y * 6 << 8 | 128); };
    static constexpr COLORREF kPalette[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    const struct Case {
        int mode;
        const wchar_t* name;
        std::string file;
        std::vector<std::pair<POINT, COLORREF>> pixels;
        bool exact;
    } cases[] = {
        {2, L"tlo.png", EncodeImage(GUID_ContainerFormatPng, 40, 40, quadrants),
         {{{30, 90}, RGB(255, 0, 0)}, {{100, 90}, panelColour}, {{30, 270}, halfWhite}, {{100, 270}, RGB(0, 0, 255)}},
         false},
        {3, L"tekstura.png", EncodeImage(GUID_ContainerFormatPng, 50, 40, texture),
         {{{0, 0}, RGB(0, 0, 128)}, {{49, 39}, RGB(245, 234, 128)}, {{75, 20}, RGB(125, 120, 128)},
          {{129, 1}, RGB(145, 6, 128)}, {{3, 361}, RGB(15, 6, 128)}},
         true},
        {2, L"tlo.jpeg", EncodeImage(GUID_ContainerFormatJpeg, 32, 32, [](int x, int y) {
             return x < 16 ? (y < 16 ? 0xFFFF0000u : 0xFF00FF00u) : (y < 16 ? 0xFF0000FFu : 0xFFFFFF00u);
         }),
         {{{30, 90}, RGB(255, 0, 0)}, {{100, 90}, RGB(0, 0, 255)}, {{30, 270}, RGB(0, 255, 0)},
          {{100, 270}, RGB(255, 255, 0)}},
         false},
        {2, L"ikona.ico", IconOfPng(RgbPng(40, [](int x, int y) {
             return y < 20 ? (x < 20 ? RGB(255, 0, 0) : RGB(0, 255, 0)) : (x < 20 ? RGB(0, 0, 255) : RGB(255, 255, 255));
         }), 40),
         {{{30, 90}, RGB(255, 0, 0)}, {{100, 90}, RGB(0, 255, 0)}, {{30, 270}, RGB(0, 0, 255)},
          {{100, 270}, RGB(255, 255, 255)}},
         false},
        {3, L"tekstura.gif", MakeGifFile(8, 6, kPalette, [](int x, int y) { return (x + y) % 4; }),
         {{{0, 0}, kPalette[0]}, {{9, 0}, kPalette[1]}, {{7, 5}, kPalette[0]}, {{10, 61}, kPalette[3]}},
         true},
    };
    for (const Case& test : cases) {
        ASSERT_GT(test.file.size(), 20u) << "the encoder made " << std::string(test.name, test.name + wcslen(test.name));
        VelkRun run;
        run.WriteFile(test.name, test.file);
        Settings settings = TestSettings();
        settings.BackgroundMode = BackgroundMode{test.mode};
        settings.Shortcuts[0] = {"Napis", "", "L"};  // the panel's full height
        settings.Shortcuts[19] = {"Ostatni", "", "L"};
        const std::wstring path = run.Folder() + test.name;
        settings.BackgroundPicture = std::string(path.begin(), path.end());
        HWND panel = run.StartWith(settings);
        ASSERT_NE(panel, nullptr);
        // The first paint on the screen: the white of the first label shows.
        const auto painted = [&] {
            return !GetUpdateRect(panel, nullptr, FALSE) &&
                   CountColor(CapturePixels(LabelOnScreen(panel, 1)), kWhite) > 10;
        };
        ASSERT_TRUE(WaitUntil(painted, 3000));
        ASSERT_TRUE(run.Settled());
        EXPECT_EQ(run.AnyDialog(), nullptr) << "no error box";
        const RECT client = ClientRectOnScreen(panel);
        for (const auto& [at, expected] : test.pixels) {
            const COLORREF pixel =
                CapturePixels(RECT{client.left + at.x, client.top + at.y, client.left + at.x + 1, client.top + at.y + 1})[0];
            if (test.exact)
                EXPECT_EQ(pixel, expected) << at.x << "," << at.y;
            else
                EXPECT_TRUE(Near(pixel, expected)) << std::hex << pixel << " for " << expected << " at " << std::dec
                                                   << at.x << "," << at.y;
        }
    }
}

struct BadPicture {
    const wchar_t* name;
    std::string_view content;  // empty: no such file
    const wchar_t* message;  // null: "Cannot open file <path>"
};

TEST_F(Background, EveryLoaderErrorIsShownInTheStandardErrorBoxAndThePanelRunsOn) {
    using namespace std::literals;
    const Com com;
    const std::string truncatedPng =
        EncodeImage(GUID_ContainerFormatPng, 64, 64, [](int x, int y) { return 0xFF000000u | (x * 4 << 8) | y; });
    ASSERT_GT(truncatedPng.size(), 100u);
    std::string randomBytes(4096, '\0');
    for (size_t i = 0; i < randomBytes.size(); ++i) randomBytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    // A whole, valid PNG header and data, its size claimed 100,000 x 100,000.
    std::string hugePng = EncodeImage(GUID_ContainerFormatPng, 1, 1, [](int, int) { return 0xFF112233u; });
    ASSERT_GT(hugePng.size(), 33u);
    for (size_t at : {16, 20}) hugePng.replace(at, 4, "\0\x01\x86\xA0");
    hugePng.replace(29, 4, PngCrc(std::string_view(hugePng).substr(12, 17)));
    const BadPicture cases[] = {
        {L"obraz.tif", "II*\0"sv, L"Unknown picture file extension (.tif)."},
        {L"brak.bmp", ""sv, nullptr},
        {L"zly.bmp", "BM this is no bitmap at all"sv, L"Bitmap image is not valid."},
        {L"zly.wmf", "\xD7\xCD\xC6\x9A junk"sv, L"Metafile is not valid."},
        {L"zly.emf", "\x01\0\0\0 junk that is no metafile"sv, L"Metafile is not valid."},
        {L"zly.ico", "\0\0\1\0\1\0junk"sv, L"Icon image is not valid."},
        {L"obcieta.png", std::string_view(truncatedPng).substr(0, truncatedPng.size() / 2), L"Image is not valid."},
        {L"losowy.jpg", randomBytes, L"Image is not valid."},
        {L"olbrzym.png", hugePng, L"Image is not valid."},
        {L"obraz.GIF", "GIF89a"sv, L"Image is not valid."},
    };
    for (const BadPicture& bad : cases) {
        VelkRun run;
        if (!bad.content.empty()) run.WriteFile(bad.name, std::string(bad.content));
        Settings settings = TestSettings();
        settings.BackgroundMode = BackgroundMode::StretchedPicture;
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
        EXPECT_TRUE(run.Settled()) << "the panel runs on";
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
    ASSERT_TRUE(run_.Settled());
    EXPECT_EQ(run_.AnyDialog(), nullptr) << "no second box";
}

}  // namespace
}  // namespace velk::e2e
