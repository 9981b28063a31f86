#include "core/picture_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velk {
namespace {

// Appends little-endian fields, as the files lay them out.
class Writer {
public:
    Writer& U8(uint32_t v) { bytes_ += static_cast<char>(v & 0xFF); return *this; }
    Writer& U16(uint32_t v) { return U8(v).U8(v >> 8); }
    Writer& U32(uint32_t v) { return U16(v).U16(v >> 16); }
    Writer& Zeros(size_t n) { bytes_.append(n, '\0'); return *this; }
    Writer& Raw(std::string_view s) { bytes_ += s; return *this; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

void PutU16(std::string& bytes, size_t at, uint32_t v) {
    bytes[at] = static_cast<char>(v & 0xFF);
    bytes[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void PutU32(std::string& bytes, size_t at, uint32_t v) {
    PutU16(bytes, at, v);
    PutU16(bytes, at + 2, v >> 16);
}

// Each check gets a heap block of the exact length, so that AddressSanitizer
// reports any read past the end of the data.
bool CheckExact(const std::function<bool(std::string_view)>& check, std::string_view bytes) {
    const std::unique_ptr<char[]> copy(new char[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), copy.get());
    return check(std::string_view(copy.get(), bytes.size()));
}

void ExpectEveryPrefixRefused(const std::function<bool(std::string_view)>& check,
                              const std::string& whole) {
    ASSERT_TRUE(CheckExact(check, whole));
    for (size_t length = 0; length < whole.size(); ++length) {
        EXPECT_FALSE(CheckExact(check, std::string_view(whole).substr(0, length)))
            << "cut at " << length << " of " << whole.size();
    }
}

bool BitmapOk(std::string_view bytes) { return ValidateBitmapFile(bytes, nullptr); }
bool WmfOk(std::string_view bytes) { return ValidateWmfFile(bytes, nullptr); }

struct BitmapLayout {
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t BitCount = 0;
    uint32_t Compression = 0;
    uint32_t HeaderBytes = 0;
    uint32_t ColoursUsed = 0;
    std::string Rle;  // the pixels of an RLE bitmap; others get zero-filled rows
};

BitmapLayout Bmp(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression = 0,
                 uint32_t headerBytes = 40, uint32_t coloursUsed = 0, std::string rle = {}) {
    BitmapLayout layout;
    layout.Width = width;
    layout.Height = height;
    layout.BitCount = bitCount;
    layout.Compression = compression;
    layout.HeaderBytes = headerBytes;
    layout.ColoursUsed = coloursUsed;
    layout.Rle = std::move(rle);
    return layout;
}

std::string MakeBitmap(const BitmapLayout& layout) {
    const bool core = layout.HeaderBytes == 12;
    const bool bitfields = layout.Compression == 3;
    uint32_t entries = layout.ColoursUsed;
    if (layout.BitCount <= 8 && entries == 0) entries = 1u << layout.BitCount;
    const uint32_t outerMasks = layout.HeaderBytes == 40 && bitfields ? 12 : 0;
    const uint32_t pixelsAt = 14 + layout.HeaderBytes + outerMasks + entries * (core ? 3 : 4);
    const uint32_t stride = (layout.Width * layout.BitCount + 31) / 32 * 4;
    const std::string pixels =
        layout.Rle.empty() ? std::string(stride * std::abs(layout.Height), '\0') : layout.Rle;
    Writer w;
    w.Raw("BM").U32(pixelsAt + pixels.size()).U32(0).U32(pixelsAt).U32(layout.HeaderBytes);
    if (core) {
        w.U16(layout.Width).U16(layout.Height).U16(1).U16(layout.BitCount);
    } else {
        w.U32(layout.Width).U32(layout.Height).U16(1).U16(layout.BitCount).U32(layout.Compression);
        w.U32(layout.Rle.size()).U32(2835).U32(2835).U32(layout.ColoursUsed).U32(0);
    }
    if (layout.HeaderBytes >= 52 || outerMasks) w.U32(0xFF0000).U32(0xFF00).U32(0xFF);
    if (layout.HeaderBytes > 52) w.Zeros(layout.HeaderBytes - 52);
    return w.Zeros(entries * (core ? 3 : 4)).Raw(pixels).Take();
}

BitmapLayout Rle8Layout() {
    return Bmp(4, 2, 8, 1, 40, 0, std::string("\x04\x01\x00\x00\x04\x02\x00\x01", 8));
}

struct BitmapSample {
    const char* Name;
    BitmapLayout Layout;
    int32_t Width, Height;
};

const std::vector<BitmapSample>& OrdinaryBitmaps() {
    static const std::vector<BitmapSample> samples = {
        {"24-bit", Bmp(3, 2, 24), 3, 2},
        {"8-bit palette", Bmp(5, 3, 8), 5, 3},
        {"8-bit short palette", Bmp(5, 3, 8, 0, 40, 16), 5, 3},
        {"4-bit", Bmp(7, 2, 4), 7, 2},
        {"1-bit", Bmp(9, 3, 1), 9, 3},
        {"16-bit", Bmp(3, 3, 16), 3, 3},
        {"32-bit bitfields", Bmp(2, 2, 32, 3), 2, 2},
        {"V2 header", Bmp(3, 2, 16, 3, 52), 3, 2},
        {"V3 header", Bmp(3, 2, 32, 3, 56), 3, 2},
        {"V4 header", Bmp(3, 2, 16, 3, 108), 3, 2},
        {"V5 header", Bmp(3, 2, 32, 0, 124), 3, 2},
        {"OS/2 24-bit", Bmp(4, 2, 24, 0, 12), 4, 2},
        {"OS/2 8-bit", Bmp(3, 2, 8, 0, 12), 3, 2},
        {"top-down", Bmp(3, -4, 24), 3, 4},
        {"RLE8", Rle8Layout(), 4, 2},
        {"RLE4", Bmp(4, 2, 4, 2, 40, 0, std::string("\x04\x12\x00\x00\x04\x21\x00\x01", 8)), 4, 2},
    };
    return samples;
}

// The rows' padding to whole 32-bit words and the colour tables, worked out
// by hand: a file is whole at exactly that size, one byte less is refused.
TEST(BitmapValidation, AFileMustHoldThePaddedRowsAndTheColourTable) {
    const struct {
        const char* name;
        BitmapLayout layout;
        size_t size;
    } cases[] = {
        {"24-bit 3x2: 9 bytes a row padded to 12", Bmp(3, 2, 24), 14 + 40 + 2 * 12},
        {"1-bit 9x3: 2 colours, 2 bytes a row padded to 4", Bmp(9, 3, 1), 14 + 40 + 2 * 4 + 3 * 4},
        {"4-bit 7x2: 16 colours, 4 bytes a row", Bmp(7, 2, 4), 14 + 40 + 16 * 4 + 2 * 4},
    };
    for (const auto& c : cases) {
        const std::string file = MakeBitmap(c.layout);
        ASSERT_GE(file.size(), c.size) << c.name;
        EXPECT_TRUE(CheckExact(BitmapOk, std::string_view(file).substr(0, c.size))) << c.name;
        EXPECT_FALSE(CheckExact(BitmapOk, std::string_view(file).substr(0, c.size - 1))) << c.name;
    }
}

TEST(BitmapValidation, OrdinaryBitmapsPassWithTheirSize) {
    for (const BitmapSample& sample : OrdinaryBitmaps()) {
        BitmapFacts facts;
        const auto validate = [&facts](std::string_view b) { return ValidateBitmapFile(b, &facts); };
        ASSERT_TRUE(CheckExact(validate, MakeBitmap(sample.Layout))) << sample.Name;
        EXPECT_EQ(facts.Width, sample.Width) << sample.Name;
        EXPECT_EQ(facts.Height, sample.Height) << sample.Name;
    }
}

TEST(BitmapValidation, EveryTruncationIsRefused) {
    for (const BitmapSample& sample : OrdinaryBitmaps()) {
        SCOPED_TRACE(sample.Name);
        ExpectEveryPrefixRefused(BitmapOk, MakeBitmap(sample.Layout));
    }
}

TEST(BitmapValidation, ToleratesWhatGdiTolerates) {
    std::string file = MakeBitmap(Bmp(3, 2, 24));
    PutU32(file, 2, 0);
    EXPECT_TRUE(BitmapOk(file)) << "bfSize zero";
    PutU32(file, 2, 0xFFFFFFFF);
    EXPECT_TRUE(BitmapOk(file)) << "bfSize too large";
    EXPECT_TRUE(BitmapOk(file + "trailing")) << "longer file";
    // A 1-bit bitmap claiming 256 colours still holds only two entries.
    std::string mono = MakeBitmap(Bmp(3, 2, 1));
    PutU32(mono, 46, 256);
    EXPECT_TRUE(BitmapOk(mono));
    EXPECT_TRUE(BitmapOk(MakeBitmap(Bmp(3, 2, 24, 0, 40, 256)))) << "largest palette";
}

TEST(BitmapValidation, ImpossibleHeadersAreRefused) {
    const std::string rgb = MakeBitmap(Bmp(3, 2, 24));
    const std::string palette = MakeBitmap(Bmp(3, 2, 8, 0, 40, 2));
    const std::string rle = MakeBitmap(Rle8Layout());
    struct Case {
        const char* Name;
        const std::string& Base;
        std::function<void(std::string&)> Spoil;
    };
    const std::vector<Case> cases = {
        {"not BM", rgb, [](std::string& f) { f[1] = 'A'; }},
        {"header size 64", rgb, [](std::string& f) { PutU32(f, 14, 64); }},
        {"width 0", rgb, [](std::string& f) { PutU32(f, 18, 0); }},
        {"height 0", rgb, [](std::string& f) { PutU32(f, 22, 0); }},
        {"negative width", rgb, [](std::string& f) { PutU32(f, 18, static_cast<uint32_t>(-3)); }},
        {"lowest height", rgb, [](std::string& f) { PutU32(f, 22, 0x80000000); }},
        {"100000 x 100000", rgb, [](std::string& f) { PutU32(f, 18, 100000); PutU32(f, 22, 100000); }},
        {"planes 2", rgb, [](std::string& f) { PutU16(f, 26, 2); }},
        {"bit count 3", rgb, [](std::string& f) { PutU16(f, 28, 3); }},
        {"bit count 0", rgb, [](std::string& f) { PutU16(f, 28, 0); }},
        {"RLE8 at 24 bits", rgb, [](std::string& f) { PutU32(f, 30, 1); }},
        {"bitfields at 24 bits", rgb, [](std::string& f) { PutU32(f, 30, 3); }},
        {"JPEG", rgb, [](std::string& f) { PutU32(f, 30, 4); }},
        {"PNG", rgb, [](std::string& f) { PutU32(f, 30, 5); }},
        {"absurd colour count", rgb, [](std::string& f) { PutU32(f, 46, 0x40000000); }},
        {"pixels past the end", rgb, [](std::string& f) { PutU32(f, 10, f.size() + 1); }},
        {"pixels inside the header", rgb, [](std::string& f) { PutU32(f, 10, 20); }},
        {"colour table over the pixels", palette, [](std::string& f) { PutU32(f, 46, 200); }},
        {"RLE4 at 8 bits", palette, [](std::string& f) { PutU32(f, 30, 2); }},
        {"top-down RLE", rle, [](std::string& f) { PutU32(f, 22, static_cast<uint32_t>(-2)); }},
        {"RLE size 0", rle, [](std::string& f) { PutU32(f, 34, 0); }},
        {"RLE past the end", rle, [](std::string& f) { PutU32(f, 34, 9); }},
    };
    for (const Case& c : cases) {
        std::string file = c.Base;
        c.Spoil(file);
        EXPECT_FALSE(CheckExact(BitmapOk, file)) << c.Name;
    }
    EXPECT_FALSE(BitmapOk(MakeBitmap(Bmp(3, 2, 24, 0, 40, 257)))) << "palette too long";
    EXPECT_FALSE(BitmapOk(MakeBitmap(Bmp(3, 2, 16, 0, 12)))) << "OS/2 at 16 bits";
    // The bit masks of a 40-byte header come before the pixels.
    std::string noMasks = MakeBitmap(Bmp(3, 2, 32));
    PutU32(noMasks, 30, 3);
    EXPECT_FALSE(BitmapOk(noMasks));
}

TEST(BitmapValidation, SizeIsBoundedEvenWhenTheDataIsThere) {
    EXPECT_TRUE(BitmapOk(MakeBitmap(Bmp(32767, 1, 1))));
    EXPECT_FALSE(BitmapOk(MakeBitmap(Bmp(32768, 1, 1))));
    EXPECT_TRUE(BitmapOk(MakeBitmap(Bmp(8000, 8000, 1))));
    EXPECT_FALSE(BitmapOk(MakeBitmap(Bmp(8200, 8200, 1))));
}

// An icon image: header with the doubled height, palette, XOR pixels, AND mask.
std::string IconDib(int32_t width, int32_t height, uint16_t bitCount) {
    const uint32_t entries = bitCount <= 8 ? 1u << bitCount : 0;
    const uint32_t xorStride = (width * bitCount + 31) / 32 * 4;
    const uint32_t andStride = (width + 31) / 32 * 4;
    return Writer()
        .U32(40).U32(width).U32(2 * height).U16(1).U16(bitCount).Zeros(24)
        .Zeros(entries * 4).Zeros(xorStride * height).Zeros(andStride * height)
        .Take();
}

const std::string kPngImage("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);

std::string MakeIcon(const std::vector<std::string>& images) {
    Writer w;
    w.U16(0).U16(1).U16(images.size());
    uint32_t offset = 6 + 16 * images.size();
    for (const std::string& image : images) {
        w.U8(32).U8(32).U8(0).U8(0).U16(1).U16(32).U32(image.size()).U32(offset);
        offset += image.size();
    }
    for (const std::string& image : images) w.Raw(image);
    return w.Take();
}

TEST(IconValidation, IconsWithDibAndPngImagesPass) {
    EXPECT_TRUE(CheckExact(ValidateIconFile, MakeIcon({IconDib(32, 32, 4)})));
    EXPECT_TRUE(CheckExact(ValidateIconFile, MakeIcon({IconDib(16, 16, 1), IconDib(48, 48, 32)})));
    ExpectEveryPrefixRefused(ValidateIconFile, MakeIcon({IconDib(16, 16, 8), kPngImage}));
}

TEST(IconValidation, TheWidestImageIsShownAndAPngOneIsKnown) {
    const struct {
        std::vector<std::string> images;
        std::vector<unsigned char> widths;
        IconImage expected;
    } cases[] = {
        {{IconDib(16, 16, 8), kPngImage}, {16, 0}, {6 + 2 * 16 + IconDib(16, 16, 8).size(), 16, true}},
        {{IconDib(48, 48, 4), IconDib(48, 48, 32)}, {48, 48}, {6 + 2 * 16, IconDib(48, 48, 4).size(), false}},
        {{kPngImage, IconDib(16, 16, 1)}, {255, 16}, {6 + 2 * 16, 16, true}},
    };
    for (const auto& c : cases) {
        std::string file = MakeIcon(c.images);
        for (size_t entry = 0; entry < c.widths.size(); ++entry) file[6 + 16 * entry] = static_cast<char>(c.widths[entry]);
        ASSERT_TRUE(ValidateIconFile(file));
        const IconImage image = LargestIconImage(file);
        EXPECT_EQ(image.Offset, c.expected.Offset);
        EXPECT_EQ(image.Size, c.expected.Size);
        EXPECT_EQ(image.Png, c.expected.Png);
    }
}

TEST(IconValidation, BrokenIconsAreRefused) {
    const std::string good = MakeIcon({IconDib(16, 16, 4)});
    struct Case {
        const char* Name;
        std::function<void(std::string&)> Spoil;
    };
    const std::vector<Case> cases = {
        {"zero entries", [](std::string& f) { PutU16(f, 4, 0); }},
        {"cursor type", [](std::string& f) { PutU16(f, 2, 2); }},
        {"reserved set", [](std::string& f) { PutU16(f, 0, 1); }},
        {"more entries than written", [](std::string& f) { PutU16(f, 4, 3); }},
        {"offset past the end", [](std::string& f) { PutU32(f, 18, f.size()); }},
        {"length past the end", [](std::string& f) { PutU32(f, 14, f.size()); }},
        {"huge offset", [](std::string& f) { PutU32(f, 18, 0xFFFFFFF0); }},
        {"odd height", [](std::string& f) { PutU32(f, 22 + 8, 33); }},
        {"RLE image", [](std::string& f) { PutU32(f, 22 + 16, 2); }},
        {"not a picture", [](std::string& f) { PutU32(f, 22, 0x474E5089); }},
    };
    for (const Case& c : cases) {
        std::string file = good;
        c.Spoil(file);
        EXPECT_FALSE(CheckExact(ValidateIconFile, file)) << c.Name;
    }
    // OS/2 headers are not allowed inside icons.
    const std::string coreDib = Writer().U32(12).U16(16).U16(32).U16(1).U16(4)
        .Zeros(16 * 3).Zeros(16 * 8).Zeros(16 * 4).Take();
    EXPECT_FALSE(ValidateIconFile(MakeIcon({coreDib})));
    const std::string shortXor = IconDib(16, 16, 32).substr(0, 40 + 16 * 16 * 4 - 1);
    EXPECT_FALSE(ValidateIconFile(MakeIcon({shortXor})));
    const std::string noMask = IconDib(16, 16, 32).substr(0, 40 + 16 * 16 * 4);
    EXPECT_TRUE(ValidateIconFile(MakeIcon({noMask})));
}

// Metafile header and the end-of-file record: 12 words.
std::string PlainWmf(uint16_t type = 1, uint16_t version = 0x300) {
    return Writer().U16(type).U16(9).U16(version).U32(12).U16(0).U32(3).U16(0)
        .U32(3).U16(0).Take();
}

std::string PlaceableWmf(int16_t left, int16_t top, int16_t right, int16_t bottom) {
    Writer w;
    w.U32(0x9AC6CDD7).U16(0).U16(left).U16(top).U16(right).U16(bottom).U16(1440).U32(0);
    std::string header = w.Take();
    uint16_t checksum = 0;
    for (size_t i = 0; i < 20; i += 2) {
        checksum ^= static_cast<uint8_t>(header[i]) | static_cast<uint8_t>(header[i + 1]) << 8;
    }
    return header + Writer().U16(checksum).Take() + PlainWmf();
}

TEST(WmfValidation, PlaceableAndPlainMetafilesPass) {
    MetafileFacts facts;
    ASSERT_TRUE(ValidateWmfFile(PlaceableWmf(-10, 5, 300, 200), &facts));
    EXPECT_EQ(facts.Layout, MetafileLayout::Placeable);
    EXPECT_EQ(facts.RecordsOffset, 22u);
    EXPECT_EQ(facts.Left, -10);
    EXPECT_EQ(facts.Top, 5);
    EXPECT_EQ(facts.Right, 300);
    EXPECT_EQ(facts.Bottom, 200);
    EXPECT_EQ(facts.Inch, 1440);

    ASSERT_TRUE(ValidateWmfFile(PlainWmf(2, 0x100) + "tail", &facts));
    EXPECT_EQ(facts.Layout, MetafileLayout::Plain);
    EXPECT_EQ(facts.RecordsOffset, 0u);

    std::string badChecksum = PlaceableWmf(0, 0, 100, 100);
    badChecksum[20] ^= 0x55;
    EXPECT_TRUE(WmfOk(badChecksum));

    ExpectEveryPrefixRefused(WmfOk, PlaceableWmf(0, 0, 100, 100));
    ExpectEveryPrefixRefused(WmfOk, PlainWmf());
}

TEST(WmfValidation, BrokenMetafilesAreRefused) {
    std::string badKey = PlaceableWmf(0, 0, 100, 100);
    badKey[0] ^= 1;
    EXPECT_FALSE(WmfOk(badKey));
    EXPECT_FALSE(WmfOk(PlaceableWmf(0, 0, 0, 100))) << "empty box";
    EXPECT_FALSE(WmfOk(PlaceableWmf(0, 100, 100, 0))) << "upside-down box";
    std::string noInch = PlaceableWmf(0, 0, 100, 100);
    PutU16(noInch, 14, 0);
    EXPECT_FALSE(WmfOk(noInch));
    EXPECT_FALSE(WmfOk(PlainWmf(3))) << "type";
    EXPECT_FALSE(WmfOk(PlainWmf(1, 0x200))) << "version";
    std::string headerSize = PlainWmf();
    PutU16(headerSize, 2, 8);
    EXPECT_FALSE(WmfOk(headerSize));
    for (uint32_t words : {13u, 8u, 0xFFFFFFFFu}) {  // beyond the data, below the header
        std::string plain = PlainWmf();
        PutU32(plain, 6, words);
        EXPECT_FALSE(WmfOk(plain)) << words << " words";
    }
}

// Header record, 88 bytes and the description, then the end-of-file record.
std::string MakeEmf(std::u16string_view description = u"") {
    const uint32_t headerBytes = 88 + 2 * description.size();
    Writer w;
    w.U32(1).U32(headerBytes).U32(0).U32(0).U32(99).U32(99).U32(0).U32(0).U32(2600).U32(2600)
        .U32(0x464D4520).U32(0x10000).U32(headerBytes + 20).U32(2).U16(1).U16(0)
        .U32(description.size()).U32(description.empty() ? 0 : 88).U32(0)
        .U32(1024).U32(768).U32(320).U32(240);
    for (char16_t c : description) w.U16(c);
    return w.U32(14).U32(20).U32(0).U32(16).U32(20).Take();
}

TEST(EmfValidation, GoodFilesPassAndEveryTruncationIsRefused) {
    EXPECT_TRUE(ValidateEmfFile(MakeEmf() + "tail"));
    ExpectEveryPrefixRefused(ValidateEmfFile, MakeEmf());
    ExpectEveryPrefixRefused(ValidateEmfFile, MakeEmf(u"VELK"));
}

TEST(EmfValidation, BrokenHeadersAreRefused) {
    struct Case {
        const char* Name;
        size_t At;
        uint32_t Value;
    };
    for (const Case& c : {Case{"record type", 0, 2}, Case{"header size 80", 4, 80},
                          Case{"header size beyond the data", 4, 200},
                          Case{"signature", 40, 0x464D4521}, Case{"file size beyond the data", 48, 120},
                          Case{"file size below the header", 48, 92}, Case{"one record", 52, 1},
                          Case{"description longer than the header", 60, 5},
                          Case{"description inside the fixed fields", 64, 86}}) {
        std::string file = MakeEmf(u"VELK");
        PutU32(file, c.At, c.Value);
        EXPECT_FALSE(ValidateEmfFile(file)) << c.Name;
    }
}

TEST(PictureExtension, TakesTheFileNamesExtensionInLowerCase) {
    EXPECT_EQ(PictureExtension("C:\\Obrazy\\tlo.BMP"), "bmp");
    EXPECT_EQ(PictureExtension("C:\\a.b\\file"), "");
    EXPECT_EQ(PictureExtension("x.Wmf"), "wmf");
    EXPECT_EQ(PictureExtension("noext."), "");
    EXPECT_EQ(PictureExtension("d:/a.b/kopia.tlo.Ico"), "ico");
    EXPECT_EQ(PictureExtension("t\xB3o.\xA3\xC6"), "\xA3\xC6");  // only ASCII letters are lowered
}

TEST(PictureExtension, KnowsTheKinds) {
    EXPECT_EQ(PictureKindFromExtension("bmp"), PictureKind::Bitmap);
    EXPECT_EQ(PictureKindFromExtension("ico"), PictureKind::Icon);
    EXPECT_EQ(PictureKindFromExtension("wmf"), PictureKind::Metafile);
    EXPECT_EQ(PictureKindFromExtension("emf"), PictureKind::EnhancedMetafile);
    for (const char* decoded : {"png", "jpg", "jpeg", "gif"})
        EXPECT_EQ(PictureKindFromExtension(decoded), PictureKind::Decoded) << decoded;
    for (const char* unknown : {"", "tif", "pn", "jpe", "giff"})
        EXPECT_EQ(PictureKindFromExtension(unknown), PictureKind::Unknown) << unknown;
}

}  // namespace
}  // namespace velk

namespace velk {
namespace {

TEST(TileOrigins, RowsFromTheTopLeftUntilTheAreaIsCovered) {
    const std::vector<DrawOrigin> origins = TileOrigins(50, 40, 130, 100);
    ASSERT_EQ(origins.size(), 9u);  // 3 columns (0, 50, 100) x 3 rows (0, 40, 80)
    EXPECT_EQ(origins[0].X, 0);
    EXPECT_EQ(origins[0].Y, 0);
    EXPECT_EQ(origins[2].X, 100);
    EXPECT_EQ(origins[3].X, 0);
    EXPECT_EQ(origins[3].Y, 40);
    EXPECT_EQ(origins[8].Y, 80);
}

TEST(TileOrigins, ABigPictureIsDrawnOnceAndAnEmptyOneNever) {
    EXPECT_EQ(TileOrigins(500, 400, 130, 362).size(), 1u);
    EXPECT_TRUE(TileOrigins(0, 10, 130, 362).empty());
    EXPECT_TRUE(TileOrigins(10, 0, 130, 362).empty());
    EXPECT_TRUE(TileOrigins(-5, 10, 130, 362).empty());
    EXPECT_TRUE(TileOrigins(10, 10, 0, 362).empty());
    EXPECT_EQ(TileOrigins(1, 1, 130, 362).size(), 130u * 362u);
}

}  // namespace
}  // namespace velk
