#include "ui/picture.h"

#include "win/exception.h"
#include "ui/image_decoder.h"
#include "win/file_io.h"
#include "win/text.h"

namespace velk {

namespace {

// Far beyond any background picture; a larger file is refused unread.
constexpr size_t kMaxPictureBytes = size_t{256} << 20;

uint32_t U32At(const std::string& bytes, size_t offset) {
    const auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

std::string ReadPictureFile(const std::wstring& path) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) throw Exception(L"Cannot open file " + path);
    return std::move(*bytes);
}

[[noreturn]] void Invalid(const wchar_t* message) { throw Exception(message); }

}  // namespace

Picture Picture::FromFile(const std::wstring& path) {
    const std::string extension = PictureExtension(ToCp1250(path));
    const PictureKind kind = PictureKindFromExtension(extension);
    if (kind == PictureKind::Unknown)
        throw Exception(L"Unknown picture file extension (." + FromCp1250(extension) + L")");
    if (kind == PictureKind::Bitmap || kind == PictureKind::Decoded) return BitmapFromFile(path);

    const std::string bytes = ReadPictureFile(path);
    return kind == PictureKind::Icon ? IconFrom(bytes) : MetafileFrom(kind, bytes);
}

Picture Picture::DecodedFrom(std::string_view bytes, const wchar_t* refusal) {
    if (bytes.size() > kMaxPictureBytes) Invalid(refusal);
    std::optional<DecodedImage> image = DecodeImage(bytes);
    if (!image) Invalid(refusal);
    Picture picture;
    picture.kind_ = PictureKind::Decoded;
    picture.bitmap_ = std::move(image->Pixels);
    picture.width_ = image->Width;
    picture.height_ = image->Height;
    return picture;
}

Picture Picture::IconFrom(const std::string& bytes) {
    if (bytes.size() > kMaxPictureBytes || !ValidateIconFile(bytes)) Invalid(L"Icon image is not valid");
    const IconImage image = LargestIconImage(bytes);
    // Wine's icon functions draw an image stored as PNG with red and blue
    // swapped; the imaging codecs decode it right, as a PNG background.
    if (image.Png)
        return DecodedFrom(std::string_view(bytes).substr(image.Offset, image.Size), L"Icon image is not valid");
    auto* data = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data() + image.Offset));
    const DWORD size = static_cast<DWORD>(image.Size);
    Picture picture;
    picture.kind_ = PictureKind::Icon;
    picture.icon_.reset(CreateIconFromResourceEx(data, size, TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR));
    ICONINFO info{};
    if (!picture.icon_ || !GetIconInfo(picture.icon_.get(), &info)) Invalid(L"Icon image is not valid");
    // GetIconInfo hands out copies of the icon's bitmaps, ours to delete.
    const Bitmap mask(info.hbmMask);
    const Bitmap colour(info.hbmColor);
    BITMAP facts{};
    GetObjectW(info.hbmMask, sizeof facts, &facts);
    picture.width_ = facts.bmWidth;
    picture.height_ = info.hbmColor ? facts.bmHeight : facts.bmHeight / 2;
    return picture;
}

Picture Picture::MetafileFrom(PictureKind kind, const std::string& bytes) {
    Picture picture;
    picture.kind_ = kind;
    if (kind == PictureKind::Metafile) {
        MetafileFacts facts;
        if (bytes.size() > kMaxPictureBytes || !ValidateWmfFile(bytes, &facts)) Invalid(L"Metafile is not valid");
        const auto* records = reinterpret_cast<const BYTE*>(bytes.data() + facts.RecordsOffset);
        const UINT size = static_cast<UINT>(bytes.size() - facts.RecordsOffset);
        if (facts.Layout == MetafileLayout::Placeable) {
            picture.width_ = facts.Right - facts.Left;
            picture.height_ = facts.Bottom - facts.Top;
            // The placeable header gives the picture's size; its records
            // alone do not, so it is passed on in HIMETRIC units.
            METAFILEPICT shape{MM_ANISOTROPIC, MulDiv(picture.width_, 2540, facts.Inch),
                               MulDiv(picture.height_, 2540, facts.Inch), nullptr};
            picture.metafile_.reset(SetWinMetaFileBits(size, records, nullptr, &shape));
            const ClientDc screen(nullptr);
            picture.width_ = MulDiv(picture.width_, GetDeviceCaps(screen.get(), LOGPIXELSX), facts.Inch);
            picture.height_ = MulDiv(picture.height_, GetDeviceCaps(screen.get(), LOGPIXELSY), facts.Inch);
        } else {
            picture.metafile_.reset(SetWinMetaFileBits(size, records, nullptr, nullptr));
        }
    } else {
        if (bytes.size() > kMaxPictureBytes || !ValidateEmfFile(bytes)) Invalid(L"Metafile is not valid");
        picture.metafile_.reset(SetEnhMetaFileBits(static_cast<UINT>(bytes.size()),
                                                   reinterpret_cast<const BYTE*>(bytes.data())));
    }
    if (!picture.metafile_) Invalid(L"Metafile is not valid");
    if (picture.width_ <= 0 || picture.height_ <= 0) {
        ENHMETAHEADER header{};
        GetEnhMetaFileHeader(picture.metafile_.get(), sizeof header, &header);
        picture.width_ = header.rclBounds.right - header.rclBounds.left + 1;
        picture.height_ = header.rclBounds.bottom - header.rclBounds.top + 1;
    }
    return picture;
}

Picture Picture::BitmapFromFile(const std::wstring& path) {
    const std::string bytes = ReadPictureFile(path);
    if (PictureKindFromExtension(PictureExtension(ToCp1250(path))) == PictureKind::Decoded)
        return DecodedFrom(bytes, L"Image is not valid");
    BitmapFacts facts;
    if (bytes.size() > kMaxPictureBytes || !ValidateBitmapFile(bytes, &facts)) Invalid(L"Bitmap image is not valid");

    constexpr size_t kFileHeaderBytes = 14;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + kFileHeaderBytes);
    const void* bits = bytes.data() + U32At(bytes, 10);
    const ClientDc screen(nullptr);
    Picture picture;
    picture.kind_ = PictureKind::Bitmap;
    picture.bitmap_.reset(CreateDIBitmap(screen.get(), &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS));
    if (!picture.bitmap_) Invalid(L"Bitmap image is not valid");
    picture.width_ = facts.Width;
    picture.height_ = facts.Height;
    return picture;
}

void Picture::DrawStretched(HDC dc, const RECT& target) const {
    const auto [left, top, right, bottom] = target;
    switch (kind_) {
    case PictureKind::Bitmap:
    case PictureKind::Decoded: DrawBitmap(dc, target); break;
    case PictureKind::Icon: DrawIconEx(dc, left, top, icon_.get(), right - left, bottom - top, 0, {}, DI_NORMAL); break;
    case PictureKind::Metafile:
    case PictureKind::EnhancedMetafile: PlayEnhMetaFile(dc, metafile_.get(), &target); break;
    case PictureKind::Unknown: break;
    }
}

// A bitmap stretched, a decoded picture blended by its alpha.
inline void Picture::DrawBitmap(HDC dc, const RECT& target) const {
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    const MemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    const SelectGuard select(source.get(), bitmap_.get());
    if (kind_ == PictureKind::Decoded) return Blend(dc, source.get(), target.left, target.top, width, height);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, target.left, target.top, width, height, source.get(), 0, 0, width_, height_, SRCCOPY);
}

void Picture::DrawCopies(HDC dc, const std::vector<DrawOrigin>& origins) const {
    if ((kind_ != PictureKind::Bitmap && kind_ != PictureKind::Decoded) || origins.empty()) return;
    const MemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    const SelectGuard select(source.get(), bitmap_.get());
    for (const DrawOrigin& origin : origins) {
        if (kind_ == PictureKind::Decoded)
            Blend(dc, source.get(), origin.X, origin.Y, width_, height_);
        else
            BitBlt(dc, origin.X, origin.Y, width_, height_, source.get(), 0, 0, SRCCOPY);
    }
}

void Picture::Blend(HDC dc, HDC source, int left, int top, int width, int height) const {
    const BLENDFUNCTION premultiplied{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, left, top, width, height, source, 0, 0, width_, height_, premultiplied);
}

}  // namespace velk
