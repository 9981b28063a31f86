// The panel's background modes and the picture loader, in-process.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "ui/application.h"
#include "ui/exception.h"
#include "ui/back_buffer.h"
#include "ui/picture.h"
#include "support/bitmap_file.h"
#include "win_test_support.h"

namespace velk {
namespace {

using test::BoxAnswerer;
using test::ScratchSettings;

// The client area as the panel paints it, through WM_PRINTCLIENT.
class Snapshot {
public:
    explicit Snapshot(HWND hwnd) {
        RECT client;
        GetClientRect(hwnd, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        ClientDc screen(nullptr);
        MemoryDc dc(CreateCompatibleDC(screen.get()));
        void* bits = nullptr;
        Bitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        SelectGuard select(dc.get(), bitmap.get());
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        pixels_.assign(pixels, pixels + static_cast<size_t>(width_) * height_);
    }
    COLORREF At(int x, int y) const {
        const DWORD bgra = pixels_[static_cast<size_t>(y) * width_ + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

std::string BitmapFile(int width, int height, COLORREF colour) {
    return MakeBitmapFile(width, height, [colour](int, int) { return colour; });
}

std::string Narrow(const std::wstring& path) { return std::string(path.begin(), path.end()); }

class BackgroundTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const std::wstring& path : files_) DeleteFileW(path.c_str());
    }
    std::wstring WriteFileBeside(const wchar_t* name, const std::string& bytes) {
        files_.push_back(ExecutableFolder() + name);
        WriteWholeFile(files_.back(), bytes);
        return files_.back();
    }
    Settings WithBackground(int mode, const std::string& value, int32_t colour = 0) {
        Settings settings;
        settings.MonitorInfoSeconds = "10";
        settings.BackgroundMode = mode;
        settings.BackgroundPicture = value;
        settings.BackgroundColor = colour;
        settings.Shortcuts[19] = {"Ostatni", "", ""};
        return settings;
    }
    void Load(const Settings& settings) {
        file_.Write(settings);
        if (!panel_.hwnd())
            ASSERT_TRUE(panel_.Create());
        else
            panel_.LoadSettings();
    }

    ScratchSettings file_;
    Tf_main panel_;
    std::vector<std::wstring> files_;
};

TEST_F(BackgroundTest, LeavingTheTextureModeStopsTheTextureAtOnceAndItsCacheNeedsNoFile) {
    const std::wstring texture = WriteFileBeside(L"tekstura.bmp", BitmapFile(8, 8, RGB(10, 200, 30)));
    Load(WithBackground(3, Narrow(texture)));
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), RGB(10, 200, 30));

    Load(WithBackground(0, ""));
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), GetSysColor(COLOR_BACKGROUND));

    // Back to the same path: the texture in memory serves, the file is not read.
    DeleteFileW(texture.c_str());
    BoxAnswerer answerer;
    Load(WithBackground(3, Narrow(texture)));
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), RGB(10, 200, 30));
    EXPECT_FALSE(answerer.Answered());
}

TEST_F(BackgroundTest, ThePanelColourSurvivesThePictureModes) {
    const std::wstring texture = WriteFileBeside(L"maly.bmp", BitmapFile(4, 4, RGB(1, 2, 3)));
    Load(WithBackground(1, "", 0x0000FF));
    // A texture switched to a path that fails draws nothing over the colour.
    Settings settings = WithBackground(3, Narrow(ExecutableFolder() + L"brak.bmp"));
    {
        BoxAnswerer answerer;
        Load(settings);
        Snapshot paintedOnce(panel_.hwnd());
        ASSERT_TRUE(answerer.Answered());
        EXPECT_EQ(answerer.Title(), L"=VELK=");
    }
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(5, 5), RGB(255, 0, 0));
}

TEST_F(BackgroundTest, AStretchedPictureThatFailsStopsTheLoadAndKeepsThePreviousPicture) {
    const std::wstring picture = WriteFileBeside(L"tlo.bmp", BitmapFile(2, 2, RGB(0, 0, 255)));
    Load(WithBackground(2, Narrow(picture)));
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), RGB(0, 0, 255));

    Settings settings = WithBackground(2, Narrow(ExecutableFolder() + L"tlo.gif"));
    settings.MonitorShutdowns = true;
    BoxAnswerer answerer;
    Load(settings);
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(answerer.Text(), L"Unknown picture file extension (.gif).");
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), RGB(0, 0, 255));
    EXPECT_FALSE(panel_.MonitorShutdowns) << "the rest of the load was skipped";
}

// Pictures of every kind the loader knows, made with GDI itself.
TEST_F(BackgroundTest, ValidPicturesOfEveryKindLoadAndDraw) {
    const std::wstring emf = ExecutableFolder() + L"rysunek.emf";
    const std::wstring wmf = ExecutableFolder() + L"rysunek.wmf";
    files_ = {emf, wmf};
    {
        HDC recorder = CreateEnhMetaFileW(nullptr, emf.c_str(), nullptr, nullptr);
        Rectangle(recorder, 0, 0, 50, 50);
        DeleteEnhMetaFile(CloseEnhMetaFile(recorder));
        HDC plain = CreateMetaFileW(wmf.c_str());
        Rectangle(plain, 0, 0, 50, 50);
        DeleteMetaFile(CloseMetaFile(plain));
    }
    std::string icon("\0\0\1\0\1\0", 6);
    const std::string dib = [] {
        std::string header(40, '\0');
        header[0] = 40;
        header[4] = 16;
        header[8] = 32;  // double height: colour and mask
        header[12] = 1;
        header[14] = 32;
        std::string pixels;
        for (int pixel = 0; pixel < 16 * 16; ++pixel) pixels += "\x7F\x7F\x7F\xFF";  // opaque gray
        return header + pixels + std::string(16 * 4, '\0');
    }();
    std::string entry(16, '\0');
    entry[0] = 16;
    entry[1] = 16;
    entry[4] = 1;
    entry[6] = 32;
    const uint32_t size = static_cast<uint32_t>(dib.size());
    for (int i = 0; i < 4; ++i) entry[8 + i] = static_cast<char>(size >> (8 * i));
    entry[12] = 22;
    const std::wstring ico = WriteFileBeside(L"ikona.ico", icon + entry + dib);

    // Each drawn over black: the metafiles' rectangle is white inside, the
    // icon's pixels gray.
    const struct {
        std::wstring path;
        COLORREF centre;
    } pictures[] = {{emf, RGB(255, 255, 255)}, {wmf, RGB(255, 255, 255)}, {ico, RGB(127, 127, 127)}};
    for (const auto& [path, centre] : pictures) {
        Picture picture;
        ASSERT_NO_THROW(picture = Picture::FromFile(path)) << Narrow(path);
        EXPECT_FALSE(picture.Empty());
        EXPECT_GT(picture.Width(), 0);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 40, -40, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        ClientDc screen(nullptr);
        MemoryDc dc(CreateCompatibleDC(screen.get()));
        void* bits = nullptr;
        Bitmap target(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        ASSERT_TRUE(target);
        SelectGuard select(dc.get(), target.get());
        const RECT area{0, 0, 40, 40};
        FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        picture.DrawStretched(dc.get(), area);
        GdiFlush();
        const DWORD bgra = static_cast<const DWORD*>(bits)[20 * 40 + 20];
        EXPECT_EQ(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF), centre) << Narrow(path);
    }
}

}  // namespace
}  // namespace velk
