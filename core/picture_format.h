#pragma once
// Checks of picture files before they reach GDI: kinds by extension, and
// header validation for bitmaps, icons and metafiles, so that a truncated or
// hostile file is refused instead of crashing or allocating without bound.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// Decoded: a PNG, JPEG or GIF image, decoded by the system's imaging codecs.
enum class PictureKind { Unknown, Bitmap, Icon, Metafile, EnhancedMetafile, Decoded };

// The text after the last dot of the file name (not of a folder), in lower
// case (ASCII letters only); empty when the name has no extension.
std::string PictureExtension(std::string_view path);
// "bmp", "ico", "wmf", "emf"; "png", "jpg", "jpeg", "gif" are Decoded;
// anything else is Unknown.
PictureKind PictureKindFromExtension(std::string_view lowerExtension);

struct BitmapFacts {
    int32_t Width = 0;   // pixels
    int32_t Height = 0;  // pixels, always positive (top-down bitmaps too)
};
// A whole .bmp file: "BM" file header, a known info header size (12, 40, 52,
// 56, 108, 124), width and height within sane bounds (1..32767 each and at
// most 64 M pixels), planes 1, bit count 1/4/8/16/24/32, a known compression
// that matches the bit count, colour table and pixel data inside the file.
bool ValidateBitmapFile(std::string_view bytes, BitmapFacts* facts);

// A whole .ico file: reserved 0, type 1, 1..256 entries, each entry's data
// inside the file and holding either a PNG signature or a valid DIB header.
bool ValidateIconFile(std::string_view bytes);

// Where the image an icon file is shown by lies: its widest entry, the first
// of equals (a width byte of 0 is 256). The file has passed ValidateIconFile.
struct IconImage {
    size_t Offset = 0;
    size_t Size = 0;
    bool Png = false;  // stored as a PNG file, not as a DIB
};
IconImage LargestIconImage(std::string_view validIconFile);

enum class MetafileLayout { Placeable, Plain };
struct MetafileFacts {
    MetafileLayout Layout = MetafileLayout::Plain;
    size_t RecordsOffset = 0;  // where the plain metafile header starts (0 or 22)
    // Placeable files: the bounding box and units per inch from the header.
    int16_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    uint16_t Inch = 0;
};
// A whole .wmf file, placeable (key 0x9AC6CDD7, header checksum) or plain
// (type 1 or 2, header size 9 words, version 0x100 or 0x300, file size in
// words not beyond the data).
bool ValidateWmfFile(std::string_view bytes, MetafileFacts* facts);

// A whole .emf file: first record EMR_HEADER (type 1) with signature " EMF"
// (0x464D4520), header size and file size within the data, record count >= 2.
bool ValidateEmfFile(std::string_view bytes);

struct DrawOrigin {
    int X = 0;
    int Y = 0;
};
// Top-left corners of the copies of a w x h picture that cover an area, row
// by row from the top-left; none when the picture has no size.
std::vector<DrawOrigin> TileOrigins(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

}  // namespace velk
