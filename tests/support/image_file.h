#pragma once
// PNG, JPEG and GIF files for the tests, made in memory: PNG and JPEG by the
// system's imaging encoders, GIF by hand (the encoders want a palette image).
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velk {

// Each pixel's blue, green, red and alpha from colourAt(x, y) as an RGBA
// quad packed 0xAARRGGBB, unpremultiplied. Empty if the encoder fails.
template <typename ColourAt>
std::string EncodeImage(const GUID& container, int width, int height, ColourAt colourAt) {
    std::vector<BYTE> pixels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t argb = colourAt(x, y);
            BYTE* pixel = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            for (int channel = 0; channel < 4; ++channel) pixel[channel] = static_cast<BYTE>(argb >> (8 * channel));
        }
    std::string file;
    IWICImagingFactory* factory = nullptr;
    IStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    IWICBitmap* source = nullptr;
    const bool made =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) &&
        SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
        SUCCEEDED(factory->CreateBitmapFromMemory(static_cast<UINT>(width), static_cast<UINT>(height),
                                                  GUID_WICPixelFormat32bppBGRA, static_cast<UINT>(width) * 4,
                                                  static_cast<UINT>(pixels.size()), pixels.data(), &source)) &&
        SUCCEEDED(frame->WriteSource(source, nullptr)) && SUCCEEDED(frame->Commit()) &&
        SUCCEEDED(encoder->Commit());
    if (made) {
        STATSTG facts{};
        stream->Stat(&facts, STATFLAG_NONAME);
        file.resize(static_cast<size_t>(facts.cbSize.QuadPart));
        const LARGE_INTEGER start{};
        ULONG read = 0;
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        stream->Read(file.data(), static_cast<ULONG>(file.size()), &read);
        file.resize(read);
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{source, frame, encoder, stream, factory})
        if (object) object->Release();
    return file;
}

// A GIF of four colours, each pixel's palette index (0..3) from indexAt(x,
// y). Its LZW data clears the table after every two codes, so every code is
// three bits wide.
template <typename IndexAt>
std::string MakeGifFile(int width, int height, const COLORREF (&palette)[4], IndexAt indexAt) {
    std::string file = "GIF89a";
    const auto put16 = [&](int value) {
        file += static_cast<char>(value & 0xFF);
        file += static_cast<char>(value >> 8);
    };
    put16(width);
    put16(height);
    file += "\x81";  // a global table of 4 colours
    file += std::string(2, '\0');
    for (COLORREF colour : palette) {
        file += static_cast<char>(GetRValue(colour));
        file += static_cast<char>(GetGValue(colour));
        file += static_cast<char>(GetBValue(colour));
    }
    file += "\x2C";
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    file += '\0';
    file += '\x02';  // minimum code size: clear is 4, end is 5

    std::string data;
    uint32_t bits = 0;
    int count = 0;
    const auto code = [&](uint32_t value) {
        bits |= value << count;
        count += 3;
        while (count >= 8) {
            data += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    int run = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (run++ % 2 == 0) code(4);
            code(static_cast<uint32_t>(indexAt(x, y)));
        }
    code(5);
    if (count > 0) data += static_cast<char>(bits & 0xFF);
    for (size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        file += static_cast<char>(block.size());
        file += block;
    }
    file += '\0';
    file += ';';
    return file;
}

}  // namespace velk
