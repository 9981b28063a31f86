#include "core/picture_format.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace velk {
namespace {

// Little-endian fields of a file held whole in memory. Callers check Fits()
// before reading, so no read leaves the data whatever the host's byte order.
class LittleEndian {
public:
    explicit LittleEndian(std::string_view bytes) : bytes_(bytes) {}

    uint64_t Size() const { return bytes_.size(); }
    bool Fits(uint64_t offset, uint64_t length) const {
        return offset <= Size() && length <= Size() - offset;
    }
    uint8_t U8(uint64_t offset) const {
        return static_cast<uint8_t>(bytes_[static_cast<size_t>(offset)]);
    }
    uint16_t U16(uint64_t offset) const {
        return static_cast<uint16_t>(U8(offset) | U8(offset + 1) << 8);
    }
    uint32_t U32(uint64_t offset) const {
        return uint32_t{U16(offset)} | uint32_t{U16(offset + 2)} << 16;
    }
    int16_t I16(uint64_t offset) const { return static_cast<int16_t>(U16(offset)); }
    int32_t I32(uint64_t offset) const { return static_cast<int32_t>(U32(offset)); }
    LittleEndian Slice(uint64_t offset, uint64_t length) const {
        return LittleEndian(
            bytes_.substr(static_cast<size_t>(offset), static_cast<size_t>(length)));
    }
    bool StartsWith(std::string_view prefix) const { return bytes_.starts_with(prefix); }

private:
    std::string_view bytes_;
};

constexpr uint64_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint64_t kBitMaskBytes = 12;

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;

// Far beyond any panel background, yet it keeps the decoded picture to at
// most 256 MB (at 32 bits a pixel), which a 32-bit process can still hold.
constexpr int64_t kMaxSide = 32767;
constexpr int64_t kMaxPixels = int64_t{64} << 20;
// GDI never uses more palette entries than this; a larger count is corrupt.
constexpr uint32_t kMaxPaletteEntries = 256;

struct DibHeader {
    uint32_t HeaderBytes = 0;
    int64_t Width = 0;
    int64_t Height = 0;  // negative: rows stored top-down
    uint16_t Planes = 0;
    uint16_t BitCount = 0;
    uint32_t Compression = kBiRgb;
    uint32_t ImageBytes = 0;
    uint32_t ColoursUsed = 0;
};

bool KnownHeaderSize(uint32_t size) {
    switch (size) {
    case 12: case 40: case 52: case 56: case 108: case 124:
        return true;
    default:
        return false;
    }
}

bool ReadDibHeader(const LittleEndian& data, uint64_t at, DibHeader* dib) {
    if (!data.Fits(at, 4)) return false;
    dib->HeaderBytes = data.U32(at);
    if (!KnownHeaderSize(dib->HeaderBytes) || !data.Fits(at, dib->HeaderBytes)) return false;
    if (dib->HeaderBytes == kCoreHeaderBytes) {
        dib->Width = data.U16(at + 4);
        dib->Height = data.U16(at + 6);
        dib->Planes = data.U16(at + 8);
        dib->BitCount = data.U16(at + 10);
        return true;
    }
    dib->Width = data.I32(at + 4);
    dib->Height = data.I32(at + 8);
    dib->Planes = data.U16(at + 12);
    dib->BitCount = data.U16(at + 14);
    dib->Compression = data.U32(at + 16);
    dib->ImageBytes = data.U32(at + 20);
    dib->ColoursUsed = data.U32(at + 32);
    return true;
}

bool BitCountAllowed(const DibHeader& dib) {
    switch (dib.BitCount) {
    case 1: case 4: case 8: case 24:
        return true;
    case 16: case 32:
        return dib.HeaderBytes != kCoreHeaderBytes;  // OS/2 1.x knows no such depths
    default:
        return false;
    }
}

bool IsRle(const DibHeader& dib) {
    return dib.Compression == kBiRle8 || dib.Compression == kBiRle4;
}

bool CompressionMatches(const DibHeader& dib) {
    switch (dib.Compression) {
    case kBiRgb:
        return true;
    // Run-length data has no top-down form.
    case kBiRle8:
        return dib.BitCount == 8 && dib.Height > 0;
    case kBiRle4:
        return dib.BitCount == 4 && dib.Height > 0;
    case kBiBitfields:
        return dib.BitCount == 16 || dib.BitCount == 32;
    default:
        return false;  // JPEG and PNG inside a DIB are for printers only
    }
}

bool SaneSize(int64_t width, int64_t height) {
    return width >= 1 && width <= kMaxSide && height >= 1 && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

bool PlausibleDib(const DibHeader& dib) {
    const int64_t rows = dib.Height < 0 ? -dib.Height : dib.Height;
    return dib.Planes == 1 && BitCountAllowed(dib) && CompressionMatches(dib) &&
           SaneSize(dib.Width, rows);
}

// The bytes between the header and the pixels: the bit masks that follow a
// 40-byte header, then the colour table. Nothing for an absurd colour count.
std::optional<uint64_t> BytesBeforePixels(const DibHeader& dib) {
    if (dib.ColoursUsed > kMaxPaletteEntries) return std::nullopt;
    uint64_t entries = dib.ColoursUsed;
    if (dib.BitCount <= 8) {
        // A count above what the indices can reach is clamped, as GDI does.
        const uint64_t full = uint64_t{1} << dib.BitCount;
        entries = entries == 0 ? full : std::min(entries, full);
    }
    const uint64_t entryBytes = dib.HeaderBytes == kCoreHeaderBytes ? 3 : 4;
    const uint64_t masks =
        dib.HeaderBytes == kInfoHeaderBytes && dib.Compression == kBiBitfields ? kBitMaskBytes : 0;
    return dib.HeaderBytes + masks + entries * entryBytes;
}

// Rows are padded to whole 32-bit words.
uint64_t UncompressedBytes(int64_t width, int64_t rows, uint16_t bitCount) {
    const uint64_t stride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
    return stride * static_cast<uint64_t>(rows);
}

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);

// Icon images stack the XOR bitmap and the AND mask, so the header gives
// twice the icon's height. Only the XOR pixels are required: Windows draws
// 32-bit icons that lack the mask.
bool ValidIconDib(const LittleEndian& image) {
    DibHeader dib;
    if (!ReadDibHeader(image, 0, &dib) || dib.HeaderBytes < kInfoHeaderBytes) return false;
    if (dib.Height <= 0 || dib.Height % 2 != 0 || IsRle(dib)) return false;
    dib.Height /= 2;
    if (!PlausibleDib(dib)) return false;
    const std::optional<uint64_t> pixelsAt = BytesBeforePixels(dib);
    return pixelsAt && image.Fits(*pixelsAt, UncompressedBytes(dib.Width, dib.Height, dib.BitCount));
}

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint64_t kPlaceableHeaderBytes = 22;
constexpr uint64_t kMetaHeaderBytes = 18;
constexpr uint32_t kMetaHeaderWords = 9;

bool ReadPlaceableHeader(const LittleEndian& data, MetafileFacts* facts) {
    if (!data.Fits(0, kPlaceableHeaderBytes)) return false;
    facts->Layout = MetafileLayout::Placeable;
    facts->RecordsOffset = kPlaceableHeaderBytes;
    facts->Left = data.I16(6);
    facts->Top = data.I16(8);
    facts->Right = data.I16(10);
    facts->Bottom = data.I16(12);
    facts->Inch = data.U16(14);
    // The checksum is not compared: Windows' own loaders ignore it, and files
    // with a wrong one open everywhere else. The picture is sized by dividing
    // by Inch, so zero would be a division by zero.
    return facts->Right > facts->Left && facts->Bottom > facts->Top && facts->Inch != 0;
}

constexpr uint64_t kEmfHeaderBytes = 88;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"

}  // namespace

std::string PictureExtension(std::string_view path) {
    const size_t nameStart = path.find_last_of("\\/");
    const std::string_view name =
        nameStart == std::string_view::npos ? path : path.substr(nameStart + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return {};
    std::string extension(name.substr(dot + 1));
    // ASCII only: a code-page-1250 letter is no known extension in any case.
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

PictureKind PictureKindFromExtension(std::string_view lowerExtension) {
    if (lowerExtension == "bmp") return PictureKind::Bitmap;
    if (lowerExtension == "ico") return PictureKind::Icon;
    if (lowerExtension == "wmf") return PictureKind::Metafile;
    if (lowerExtension == "emf") return PictureKind::EnhancedMetafile;
    if (lowerExtension == "png" || lowerExtension == "jpg" || lowerExtension == "jpeg" || lowerExtension == "gif")
        return PictureKind::Decoded;
    return PictureKind::Unknown;
}

bool ValidateBitmapFile(std::string_view bytes, BitmapFacts* facts) {
    const LittleEndian data(bytes);
    if (!data.Fits(0, kFileHeaderBytes) || !data.StartsWith("BM")) return false;
    // bfSize is often wrong in files that GDI shows happily; only the pixel
    // offset and the data actually present count.
    const uint64_t pixelsAt = data.U32(10);
    DibHeader dib;
    if (!ReadDibHeader(data, kFileHeaderBytes, &dib) || !PlausibleDib(dib)) return false;
    const std::optional<uint64_t> tableEnd = BytesBeforePixels(dib);
    if (!tableEnd || kFileHeaderBytes + *tableEnd > pixelsAt) return false;
    const int64_t rows = dib.Height < 0 ? -dib.Height : dib.Height;
    if (IsRle(dib)) {
        if (dib.ImageBytes == 0 || !data.Fits(pixelsAt, dib.ImageBytes)) return false;
    } else if (!data.Fits(pixelsAt, UncompressedBytes(dib.Width, rows, dib.BitCount))) {
        return false;
    }
    if (facts) {
        facts->Width = static_cast<int32_t>(dib.Width);
        facts->Height = static_cast<int32_t>(rows);
    }
    return true;
}

bool ValidateIconFile(std::string_view bytes) {
    constexpr uint64_t kDirectoryBytes = 6;
    constexpr uint64_t kEntryBytes = 16;
    constexpr uint16_t kMaxEntries = 256;
    const LittleEndian data(bytes);
    if (!data.Fits(0, kDirectoryBytes) || data.U16(0) != 0 || data.U16(2) != 1) return false;
    const uint16_t count = data.U16(4);
    if (count < 1 || count > kMaxEntries) return false;
    const uint64_t imagesAt = kDirectoryBytes + count * kEntryBytes;
    if (!data.Fits(0, imagesAt)) return false;
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t entry = kDirectoryBytes + i * kEntryBytes;
        const uint64_t length = data.U32(entry + 8);
        const uint64_t offset = data.U32(entry + 12);
        if (!data.Fits(offset, length)) return false;
        const LittleEndian image = data.Slice(offset, length);
        if (!image.StartsWith(kPngSignature) && !ValidIconDib(image)) return false;
    }
    return true;
}

IconImage LargestIconImage(std::string_view validIconFile) {
    const LittleEndian data(validIconFile);
    const auto width = [&](uint64_t entry) {
        const unsigned byte = static_cast<unsigned char>(validIconFile[entry]);
        return byte == 0 ? 256u : byte;
    };
    uint64_t widest = 6;
    for (uint64_t entry = 1; entry < data.U16(4); ++entry) {
        const uint64_t at = 6 + 16 * entry;
        if (width(at) > width(widest)) widest = at;
    }
    IconImage image{data.U32(widest + 12), data.U32(widest + 8), false};
    image.Png = data.Slice(image.Offset, image.Size).StartsWith(kPngSignature);
    return image;
}

bool ValidateWmfFile(std::string_view bytes, MetafileFacts* facts) {
    const LittleEndian data(bytes);
    MetafileFacts found;
    if (data.Fits(0, 4) && data.U32(0) == kPlaceableKey && !ReadPlaceableHeader(data, &found)) {
        return false;
    }
    const uint64_t at = found.RecordsOffset;
    if (!data.Fits(at, kMetaHeaderBytes)) return false;
    const uint16_t type = data.U16(at);
    const uint16_t headerWords = data.U16(at + 2);
    const uint16_t version = data.U16(at + 4);
    const uint64_t sizeWords = data.U32(at + 6);
    if ((type != 1 && type != 2) || headerWords != kMetaHeaderWords ||
        (version != 0x100 && version != 0x300)) {
        return false;
    }
    if (sizeWords < kMetaHeaderWords || !data.Fits(at, sizeWords * 2)) return false;
    if (facts) *facts = found;
    return true;
}

bool ValidateEmfFile(std::string_view bytes) {
    const LittleEndian data(bytes);
    if (!data.Fits(0, kEmfHeaderBytes)) return false;
    const uint32_t type = data.U32(0);
    const uint64_t headerBytes = data.U32(4);
    const uint32_t signature = data.U32(40);
    const uint64_t fileBytes = data.U32(48);
    const uint32_t records = data.U32(52);
    const uint64_t descriptionChars = data.U32(60);
    const uint64_t descriptionAt = data.U32(64);
    if (type != 1 || signature != kEmfSignature || records < 2) return false;
    if (headerBytes < kEmfHeaderBytes || headerBytes > fileBytes || !data.Fits(0, fileBytes)) {
        return false;
    }
    // GDI hands the description out of the header record, so it must lie there.
    return descriptionChars == 0 ||
           (descriptionAt >= kEmfHeaderBytes && descriptionAt <= headerBytes &&
            descriptionChars * 2 <= headerBytes - descriptionAt);
}

std::vector<DrawOrigin> TileOrigins(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
    std::vector<DrawOrigin> origins;
    if (pictureWidth <= 0 || pictureHeight <= 0) return origins;
    for (int64_t y = 0; y < areaHeight; y += pictureHeight)
        for (int64_t x = 0; x < areaWidth; x += pictureWidth)
            origins.push_back(DrawOrigin{static_cast<int>(x), static_cast<int>(y)});
    return origins;
}

}  // namespace velk
