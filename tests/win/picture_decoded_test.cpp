// PNG, JPEG and GIF pictures through the imaging codecs, drawn over what the
// target holds.
#include <gtest/gtest.h>

#include "support/image_file.h"
#include "win/exception.h"
#include "ui/picture.h"

namespace velk {
namespace {

std::wstring WriteTemporary(const wchar_t* name, const std::string& bytes) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

TEST(DecodedPicture, APngIsBlendedOverTheTargetStretchedAndTiled) {
    const std::string png = EncodeImage(GUID_ContainerFormatPng, 2, 1, [](int x, int) {
        return x == 0 ? 0xFFFF0000u : 0x00000000u;  // opaque red, then transparent
    });
    ASSERT_FALSE(png.empty());
    const std::wstring path = WriteTemporary(L"velk-decoded.png", png);
    const Picture picture = Picture::FromFile(path);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 1);

    const ClientDc screen(nullptr);
    const MemoryDc dc(CreateCompatibleDC(screen.get()));
    const Bitmap target(CreateCompatibleBitmap(screen.get(), 8, 2));
    const SelectGuard select(dc.get(), target.get());
    const RECT all{0, 0, 8, 2};
    SetDCBrushColor(dc.get(), RGB(0, 0, 200));
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    picture.DrawStretched(dc.get(), RECT{0, 0, 4, 1});
    Picture::BitmapFromFile(path).DrawCopies(dc.get(), {{0, 1}, {2, 1}});
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.get(), 3, 0), RGB(0, 0, 200)) << "the target under the transparent half";
    EXPECT_EQ(GetPixel(dc.get(), 2, 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.get(), 3, 1), RGB(0, 0, 200));
    EXPECT_EQ(GetPixel(dc.get(), 5, 0), RGB(0, 0, 200)) << "nothing beyond the target rectangle";
    DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace velk
