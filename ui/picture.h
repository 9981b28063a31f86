#pragma once
// A picture loaded from a file: a bitmap, an icon, a metafile (plain,
// placeable or enhanced) or a PNG, JPEG or GIF image. Every file is checked
// before GDI or a decoder sees it; a bad one raises Exception with the
// loader's message.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "win/handles.h"
#include "core/picture_format.h"

namespace velk {

class Picture {
public:
    Picture() = default;

    // The kind follows the file name's extension: bmp, ico, wmf, emf, png,
    // jpg, jpeg, gif.
    static Picture FromFile(const std::wstring& path);
    // The file read as a bitmap whatever its name, except that a png, jpg,
    // jpeg or gif file is decoded as its kind.
    static Picture BitmapFromFile(const std::wstring& path);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Stretched over the target rectangle.
    void DrawStretched(HDC dc, const RECT& target) const;
    // Unscaled copies of a bitmap or a decoded image with their top-left
    // corners at the origins.
    void DrawCopies(HDC dc, const std::vector<DrawOrigin>& origins) const;

private:
    static Picture IconFrom(const std::string& bytes);
    // Refused with the message when the codecs cannot decode it.
    static Picture DecodedFrom(std::string_view bytes, const wchar_t* refusal);
    // A decoded image's pixels blended over what the target holds.
    void Blend(HDC dc, HDC source, int left, int top, int width, int height) const;
    void DrawBitmap(HDC dc, const RECT& target) const;
    static Picture MetafileFrom(PictureKind kind, const std::string& bytes);

    PictureKind kind_ = PictureKind::Unknown;
    Bitmap bitmap_;
    Icon icon_;
    EnhMetaFile metafile_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace velk
