#include "ui/tab_page.h"

#include <vssym32.h>

#include <utility>

#include "ui/window.h"
#include "win/handles.h"
#include "win/visual_styles.h"

namespace velk {

namespace {

// Its window owns it.
class TabPage final : public WindowBase {
public:
    static void Register() {
        RegisterWindowClass({kTabPageClass, 0, COLOR_BTNFACE + 1}, SelfOwnedWindowProcedure<TabPage>);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE: AskForTabTexture(hwnd()); return 0;
        case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLORSTATIC: return OnStaticColour(wParam, lParam);
        case WM_SIZE: texture_ = {}; return 0;
        case WM_THEMECHANGED: OnThemeChanged(); return 0;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT: return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
        default: return DefWindowProcW(hwnd(), message, wParam, lParam);
        }
    }
    void OnUnbound() override { delete this; }

private:
    // The texture as a brush of the page's size, made again when the page's
    // size or the theme changes.
    struct Texture {
        Bitmap picture;
        Brush brush;
        SIZE size{};
    };

    RECT ClientArea() const {
        RECT area{};
        GetClientRect(hwnd(), &area);
        return area;
    }

    // The theme's tab page body, where the page asked for it and a theme is
    // active; null otherwise.
    const Theme* TabTheme() {
        if (!AsksForTabTexture(hwnd())) return nullptr;
        if (!theme_) theme_ = OpenTheme(hwnd(), L"TAB");
        return theme_ ? &theme_ : nullptr;
    }

    LRESULT OnEraseBackground(HDC dc) {
        const Theme* theme = TabTheme();
        if (!theme) return DefWindowProcW(hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        DrawThemePart(*theme, dc, TABP_BODY, ClientArea());
        return 1;
    }

    // A static text, check box, radio button or group box fills its
    // background with this brush: the page's texture, lined up with the
    // page by the brush origin.
    LRESULT OnStaticColour(WPARAM wParam, LPARAM lParam) {
        const HBRUSH brush = TextureBrush();
        if (!brush) return SendMessageW(GetParent(hwnd()), WM_CTLCOLORSTATIC, wParam, lParam);
        const auto dc = reinterpret_cast<HDC>(wParam);
        POINT control{0, 0};
        MapWindowPoints(reinterpret_cast<HWND>(lParam), hwnd(), &control, 1);
        SetBrushOrgEx(dc, -control.x, -control.y, nullptr);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(brush);
    }

    HBRUSH TextureBrush() {
        const Theme* theme = TabTheme();
        if (!theme) return nullptr;
        const RECT area = ClientArea();
        if (texture_.brush && texture_.size.cx == area.right && texture_.size.cy == area.bottom)
            return texture_.brush.get();
        const ClientDc screen(hwnd());
        const MemoryDc dc(CreateCompatibleDC(screen.get()));
        Bitmap picture(CreateCompatibleBitmap(screen.get(), area.right, area.bottom));
        if (!dc || !picture) return nullptr;
        {
            const SelectGuard select(dc.get(), picture.get());
            DrawThemePart(*theme, dc.get(), TABP_BODY, area);
        }
        texture_.brush = Brush(CreatePatternBrush(picture.get()));
        texture_.picture = std::move(picture);
        texture_.size = SIZE{area.right, area.bottom};
        return texture_.brush.get();
    }

    void OnThemeChanged() {
        texture_ = {};
        theme_.reset();
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    Theme theme_;
    Texture texture_;
};

}  // namespace

void RegisterTabPage() { TabPage::Register(); }

}  // namespace velk
