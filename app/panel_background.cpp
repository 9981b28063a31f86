#include "app/panel_background.h"

#include "core/picture_format.h"
#include "ui/message_box.h"
#include "win/exception.h"
#include "win/stored_color.h"
#include "win/text.h"

namespace velk {

void PanelBackground::Apply(const Settings& settings) {
    cache_.Invalidate();
    switch (settings.BackgroundMode) {
    case BackgroundMode::DesktopColor: ShowColor(kDesktopColor); break;
    case BackgroundMode::OwnColor: ShowColor(settings.BackgroundColor); break;
    case BackgroundMode::StretchedPicture: ShowStretched(settings.BackgroundPicture); break;
    case BackgroundMode::TiledPicture: ShowTiled(settings.BackgroundPicture); break;
    default: break;  // another number leaves the background as it is
    }
    InvalidateRect(window_, nullptr, FALSE);
}

inline void PanelBackground::ShowColor(int32_t color) {
    stretchedVisible_ = false;
    texturePath_.clear();
    color_ = color;
}

inline void PanelBackground::ShowStretched(const std::string& path) {
    texturePath_.clear();
    // Shown before loading: a picture that fails leaves the previous one.
    stretchedVisible_ = true;
    stretched_ = Picture::FromFile(FromCp1250(path));
}

inline void PanelBackground::ShowTiled(const std::string& path) {
    stretchedVisible_ = false;
    texturePath_ = FromCp1250(path);
    // Naming the path again is the user's way to retry a failed texture.
    reportedTexturePath_.clear();
}

void PanelBackground::LoadTextureOnce() {
    if (texturePath_.empty() || texturePath_ == loadedTexturePath_ || texturePath_ == reportedTexturePath_) return;
    try {
        texture_ = Picture::BitmapFromFile(texturePath_);
        loadedTexturePath_ = texturePath_;
        cache_.Invalidate();
    } catch (const Exception& error) {
        reportedTexturePath_ = texturePath_;
        ShowErrorBox(window_, error.Message());
    }
}

HDC PanelBackground::Rendered(HDC target) {
    RECT client;
    GetClientRect(window_, &client);
    if (const HDC cached = cache_.Current(client.right, client.bottom)) return cached;
    const HDC dc = cache_.Renew(target, client.right, client.bottom);
    if (dc) Paint(dc, client);
    return dc;
}

void PanelBackground::Paint(HDC dc, const RECT& client) const {
    SetDCBrushColor(dc, ResolveColor(color_));
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    if (stretchedVisible_) {
        stretched_.DrawStretched(dc, client);
    } else if (TextureLoaded()) {
        RECT window;
        GetWindowRect(window_, &window);
        texture_.DrawCopies(dc, TileOrigins(texture_.Width(), texture_.Height(), window.right - window.left,
                                            window.bottom - window.top));
    }
}

}  // namespace velk
