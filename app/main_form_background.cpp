// The panel's background as the settings give it: the desktop's colour, a
// colour of its own, a stretched picture or a tiled texture.
#include "app/main_form.h"
#include "win/text.h"

namespace velk {

void Tf_main::ApplyBackground(const Settings& settings) {
    background_.Invalidate();
    switch (settings.BackgroundMode) {
    case 0:
    case 1:
        img_full.Visible = false;
        TexturePath.clear();
        PanelColor = settings.BackgroundMode == 0 ? kDesktopColor : settings.BackgroundColor;
        break;
    case 2:
        TexturePath.clear();
        // Shown before loading: a picture that fails leaves the previous one.
        img_full.Visible = true;
        img_full.Image = Picture::FromFile(FromCp1250(settings.BackgroundPicture));
        break;
    case 3:
        img_full.Visible = false;
        TexturePath = FromCp1250(settings.BackgroundPicture);
        // Naming the path again is the user's way to retry a failed texture.
        ReportedTexturePath.clear();
        break;
    default:
        break;
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

}  // namespace velk
