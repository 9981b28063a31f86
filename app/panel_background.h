#pragma once
// The panel's background as the settings give it: the desktop's colour, a
// colour of its own, a picture stretched over the panel or a texture
// repeated from the window's corner. Rendered once at the client's size and
// kept until the size or the background changes.
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/stored_color.h"
#include "settings/settings_file.h"
#include "ui/picture.h"
#include "win/back_buffer.h"

namespace velk {

class PanelBackground {
public:
    void Attach(HWND window) { window_ = window; }

    // Throws when the stretched picture cannot be loaded; the picture shown
    // before then stays.
    void Apply(const Settings& settings);
    // The texture is read from its file once, outside any paint; a texture
    // that fails is reported once, not at every paint: the box would
    // otherwise reopen itself with each repaint behind it.
    void LoadTextureOnce();
    // The rendering at the client's size, or null when the system has no
    // bitmap to give.
    HDC Rendered(HDC target);
    // The desktop colour may be the panel's: rendered again at the next paint.
    void Invalidate() { cache_.Invalidate(); }
    // The stretched picture covers the panel and takes the pointer's moves.
    bool PictureCoversPanel() const { return stretchedVisible_; }

private:
    // Steps of Apply, one for each mode; the path is code-page-1250 bytes.
    void ShowColor(int32_t color);
    void ShowStretched(const std::string& path);
    void ShowTiled(const std::string& path);
    void Paint(HDC dc, const RECT& client) const;
    bool TextureLoaded() const { return !texturePath_.empty() && texturePath_ == loadedTexturePath_; }

    HWND window_ = nullptr;
    int32_t color_ = kDesktopColor;
    Picture stretched_;
    bool stretchedVisible_ = false;
    std::wstring texturePath_;
    std::wstring loadedTexturePath_;
    std::wstring reportedTexturePath_;
    Picture texture_;
    CachedBitmap cache_;
};

}  // namespace velk
