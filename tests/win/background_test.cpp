// The panel's background modes and the picture loader, in-process.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "ui/application.h"
#include "win/exception.h"
#include "win/back_buffer.h"
#include "ui/picture.h"
#include "win/text.h"
#include "support/bitmap_file.h"
#include "win_test_support.h"

namespace velk {
namespace {

using test::BoxAnswerer;
using test::ScratchSettings;

// A top-down 32-bit DIB section selected into a memory DC: what is drawn
// into dc() is read back pixel by pixel.
class Canvas {
public:
    Canvas(int width, int height)
        : width_(width),
          dc_(CreateCompatibleDC(ClientDc(nullptr).get())),
          bitmap_(MakeDib(width, height, &bits_)),
          select_(dc_.get(), bitmap_.get()) {}
    bool Ready() const { return dc_ && bitmap_ && bits_; }
    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD bgra = static_cast<const DWORD*>(bits_)[static_cast<size_t>(y) * width_ + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

private:
    static HBITMAP MakeDib(int width, int height, void** bits) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    }

    int width_;
    void* bits_ = nullptr;
    MemoryDc dc_;
    Bitmap bitmap_;
    SelectGuard select_;
};

SIZE ClientSizeOf(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    return SIZE{client.right, client.bottom};
}

// The client area as the panel paints it, through WM_PRINTCLIENT.
class Snapshot : public Canvas {
public:
    explicit Snapshot(HWND hwnd) : Canvas(ClientSizeOf(hwnd).cx, ClientSizeOf(hwnd).cy) {
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc()), PRF_CLIENT);
    }
};

std::string BitmapFile(int width, int height, COLORREF colour) {
    return MakeBitmapFile(width, height, [colour](int, int) { return colour; });
}

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
        settings.BackgroundMode = BackgroundMode{mode};
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
    Final<Tf_main> panel_;
    std::vector<std::wstring> files_;
};

TEST_F(BackgroundTest, LeavingTheTextureModeStopsTheTextureAtOnceAndItsCacheNeedsNoFile) {
    const std::wstring texture = WriteFileBeside(L"tekstura.bmp", BitmapFile(8, 8, RGB(10, 200, 30)));
    Load(WithBackground(3, ToCp1250(texture)));
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), RGB(10, 200, 30));

    Load(WithBackground(0, ""));
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), GetSysColor(COLOR_BACKGROUND));

    // Back to the same path: the texture in memory serves, the file is not read.
    DeleteFileW(texture.c_str());
    BoxAnswerer answerer;
    Load(WithBackground(3, ToCp1250(texture)));
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), RGB(10, 200, 30));
    EXPECT_FALSE(answerer.Answered());
}

TEST_F(BackgroundTest, ThePanelColourSurvivesThePictureModes) {
    const std::wstring texture = WriteFileBeside(L"maly.bmp", BitmapFile(4, 4, RGB(1, 2, 3)));
    Load(WithBackground(1, "", 0x0000FF));
    // A texture switched to a path that fails draws nothing over the colour.
    Settings settings = WithBackground(3, ToCp1250(ExecutableFolder() + L"brak.bmp"));
    {
        BoxAnswerer answerer;
        Load(settings);
        Snapshot paintedOnce(panel_.hwnd());
        ASSERT_TRUE(answerer.Answered());
        EXPECT_EQ(answerer.Title(), L"=VELK=");
    }
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(5, 5), RGB(255, 0, 0));
}

// What the panel prints (WM_PRINTCLIENT, as PrintWindow asks for it) is what
// it paints: the keyboard's mark too, a dotted line over black along the
// marked line's top edge.
TEST_F(BackgroundTest, APrintedPanelShowsTheKeyboardsMark) {
    Settings settings = WithBackground(1, "", 0x000000);
    settings.Shortcuts[0] = {"Jeden", "", "L"};
    Load(settings);
    const RECT line = panel_.Labels()[0].View.Bounds;
    const auto dotsOnTopEdge = [&] {
        const Snapshot printed(panel_.hwnd());
        int dots = 0;
        for (int x = line.left; x < line.right; ++x) dots += printed.At(x, line.top) != RGB(0, 0, 0);
        return dots;
    };
    EXPECT_EQ(dotsOnTopEdge(), 0) << "no mark before the keyboard is used";
    SendMessageW(panel_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_GT(dotsOnTopEdge(), (line.right - line.left) / 4) << "the mark on the first line";
}

TEST_F(BackgroundTest, AStretchedPictureThatFailsStopsTheLoadAndKeepsThePreviousPicture) {
    const std::wstring picture = WriteFileBeside(L"tlo.bmp", BitmapFile(2, 2, RGB(0, 0, 255)));
    Load(WithBackground(2, ToCp1250(picture)));
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), RGB(0, 0, 255));

    Settings settings = WithBackground(2, ToCp1250(ExecutableFolder() + L"tlo.tif"));
    settings.MonitorShutdowns = true;
    BoxAnswerer answerer;
    Load(settings);
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(answerer.Text(), L"Unknown picture file extension (.tif).");
    EXPECT_EQ(Snapshot(panel_.hwnd()).At(60, 100), RGB(0, 0, 255));
    EXPECT_FALSE(panel_.Monitoring.MonitorShutdowns) << "the rest of the load was skipped";
}

// Metafile records of a 50 x 50 picture: its left half one colour, its right
// half another.
constexpr COLORREF kLeftHalf = RGB(200, 30, 40);
constexpr COLORREF kRightHalf = RGB(20, 160, 220);

void RecordHalves(HDC recorder) {
    const Brush left(CreateSolidBrush(kLeftHalf));
    const Brush right(CreateSolidBrush(kRightHalf));
    const RECT leftHalf{0, 0, 25, 50};
    const RECT rightHalf{25, 0, 50, 50};
    FillRect(recorder, &leftHalf, left.get());
    FillRect(recorder, &rightHalf, right.get());
}

std::string WmfOfHalves() {
    HDC recorder = CreateMetaFileW(nullptr);
    SetWindowOrgEx(recorder, 0, 0, nullptr);
    SetWindowExtEx(recorder, 50, 50, nullptr);
    RecordHalves(recorder);
    HMETAFILE metafile = CloseMetaFile(recorder);
    std::string bytes(GetMetaFileBitsEx(metafile, 0, nullptr), '\0');
    GetMetaFileBitsEx(metafile, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteMetaFile(metafile);
    return bytes;
}

// The 22-byte placeable header before the records: key, bounding box
// 0,0-50,50 at 96 units an inch, checksum of its first ten words.
std::string PlaceableWmfOfHalves() {
    const uint16_t words[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 50, 50, 96, 0, 0};
    std::string header;
    uint16_t checksum = 0;
    for (const uint16_t word : words) {
        header += static_cast<char>(word & 0xFF);
        header += static_cast<char>(word >> 8);
        checksum ^= word;
    }
    header += static_cast<char>(checksum & 0xFF);
    header += static_cast<char>(checksum >> 8);
    return header + WmfOfHalves();
}

// A 16 x 16 32-bit icon, its top half one colour and its bottom half
// another, opaque.
std::string IconOfHalves(COLORREF top, COLORREF bottom) {
    std::string header(40, '\0');
    header[0] = 40;
    header[4] = 16;
    header[8] = 32;  // double height: colour and mask
    header[12] = 1;
    header[14] = 32;
    std::string pixels;
    for (int row = 0; row < 16; ++row) {  // bottom-up: the first row is the lowest
        const COLORREF colour = row < 8 ? bottom : top;
        for (int x = 0; x < 16; ++x) {
            pixels += static_cast<char>(GetBValue(colour));
            pixels += static_cast<char>(GetGValue(colour));
            pixels += static_cast<char>(GetRValue(colour));
            pixels += '\xFF';
        }
    }
    const std::string dib = header + pixels + std::string(16 * 4, '\0');
    std::string entry(16, '\0');
    entry[0] = 16;
    entry[1] = 16;
    entry[4] = 1;
    entry[6] = 32;
    const uint32_t size = static_cast<uint32_t>(dib.size());
    for (int i = 0; i < 4; ++i) entry[8 + i] = static_cast<char>(size >> (8 * i));
    entry[12] = 22;
    return std::string("\0\0\1\0\1\0", 6) + entry + dib;
}

// Pictures of every kind the loader knows, made with GDI itself, each drawn
// stretched into 40 x 40 at (10, 10) of black: the halves land in their
// halves of the target, nothing outside it.
TEST_F(BackgroundTest, ValidPicturesOfEveryKindLoadAndDraw) {
    const std::wstring emf = ExecutableFolder() + L"rysunek.emf";
    files_.push_back(emf);
    {
        HDC recorder = CreateEnhMetaFileW(nullptr, emf.c_str(), nullptr, nullptr);
        RecordHalves(recorder);
        DeleteEnhMetaFile(CloseEnhMetaFile(recorder));
    }
    const std::wstring wmf = WriteFileBeside(L"rysunek.wmf", WmfOfHalves());
    const std::wstring placeable = WriteFileBeside(L"ramka.wmf", PlaceableWmfOfHalves());
    const COLORREF top = RGB(250, 200, 0);
    const COLORREF bottom = RGB(0, 120, 60);
    const std::wstring ico = WriteFileBeside(L"ikona.ico", IconOfHalves(top, bottom));

    constexpr RECT kTarget{10, 10, 50, 50};
    const struct {
        std::wstring path;
        POINT first;  // a point in the first half, then one in the second
        COLORREF firstColour;
        POINT second;
        COLORREF secondColour;
    } pictures[] = {
        {emf, {20, 30}, kLeftHalf, {40, 30}, kRightHalf},
        {wmf, {20, 30}, kLeftHalf, {40, 30}, kRightHalf},
        {placeable, {20, 30}, kLeftHalf, {40, 30}, kRightHalf},
        {ico, {30, 20}, top, {30, 40}, bottom},
    };
    for (const auto& picture : pictures) {
        Picture loaded;
        ASSERT_NO_THROW(loaded = Picture::FromFile(picture.path)) << ToCp1250(picture.path);
        EXPECT_GT(loaded.Width(), 0);
        Canvas canvas(60, 60);
        ASSERT_TRUE(canvas.Ready());
        const RECT all{0, 0, 60, 60};
        FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        loaded.DrawStretched(canvas.dc(), kTarget);
        const std::string name = ToCp1250(picture.path);
        EXPECT_EQ(canvas.At(picture.first.x, picture.first.y), picture.firstColour) << name;
        EXPECT_EQ(canvas.At(picture.second.x, picture.second.y), picture.secondColour) << name;
        for (const POINT outside : {POINT{5, 30}, POINT{55, 30}, POINT{30, 5}, POINT{30, 55}})
            EXPECT_EQ(canvas.At(outside.x, outside.y), RGB(0, 0, 0)) << name << " at " << outside.x << "," << outside.y;
    }
}

}  // namespace
}  // namespace velk
