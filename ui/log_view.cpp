#include "ui/log_view.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/wheel.h"
#include "ui/scrolling.h"
#include "ui/window.h"
#include "win/back_buffer.h"
#include "win/clipboard.h"
#include "win/handles.h"

namespace velk {

namespace {

// The view's window owns it: made at WM_NCCREATE, gone at WM_NCDESTROY.
class LogView final : public WindowBase {
public:
    static void Register() {
        RegisterWindowClass({kLogViewClass, CS_DBLCLKS}, SelfOwnedWindowProcedure<LogView>);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_SETTEXT: SetText(reinterpret_cast<const wchar_t*>(lParam)); return TRUE;
        case WM_GETTEXT: return CopyText(reinterpret_cast<wchar_t*>(lParam), wParam);
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(text_.size());
        case WM_SETFONT: SetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_SIZE: UpdateScrollBar(); return 0;
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_VSCROLL: OnScroll(LOWORD(wParam)); return 0;
        case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
        case WM_KEYDOWN: OnKey(static_cast<UINT>(wParam)); return 0;
        case WM_LBUTTONDOWN: SetFocus(hwnd()); return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: InvalidateRect(hwnd(), nullptr, FALSE); return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        default: return DefWindowProcW(hwnd(), message, wParam, lParam);
        }
    }

    void OnUnbound() override { delete this; }

private:
    void SetText(const wchar_t* text) {
        text_ = text ? text : L"";
        starts_.assign(1, 0);
        for (size_t at = text_.find(L"\r\n"); at != std::wstring::npos; at = text_.find(L"\r\n", at + 2))
            starts_.push_back(at + 2);
        top_ = 0;
        UpdateScrollBar();
        InvalidateRect(hwnd(), nullptr, FALSE);
    }

    LRESULT CopyText(wchar_t* buffer, WPARAM capacity) const {
        if (!buffer || capacity == 0) return 0;
        const size_t count = std::min<size_t>(text_.size(), capacity - 1);
        std::copy_n(text_.data(), count, buffer);
        buffer[count] = L'\0';
        return static_cast<LRESULT>(count);
    }

    void SetFont(HFONT font, bool redraw) {
        font_ = font;
        const ClientDc dc(hwnd());
        const SelectGuard select(dc.get(), font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc.get(), &metrics);
        lineHeight_ = std::max<int>(1, metrics.tmHeight);
        UpdateScrollBar();
        if (redraw) InvalidateRect(hwnd(), nullptr, FALSE);
    }

    int LineCount() const { return text_.empty() ? 0 : static_cast<int>(starts_.size()); }
    int PageLines() const {
        RECT client;
        GetClientRect(hwnd(), &client);
        return std::max(1, static_cast<int>(client.bottom) / lineHeight_);
    }
    int MaxTop() const { return std::max(0, LineCount() - PageLines()); }

    void UpdateScrollBar() {
        top_ = std::clamp(top_, 0, MaxTop());
        SetScrollBar(hwnd(), SB_VERT, 0, std::max(0, LineCount() - 1), PageLines(), top_, SIF_DISABLENOSCROLL);
    }

    void ScrollTo(int line) {
        const int top = std::clamp(line, 0, MaxTop());
        if (top == top_) return;
        top_ = top;
        SetScrollPos(hwnd(), SB_VERT, top_, TRUE);
        InvalidateRect(hwnd(), nullptr, FALSE);
    }

    void OnScroll(UINT request) {
        if (const std::optional<int> top = ScrollRequestTarget(hwnd(), SB_VERT, request, top_, PageLines(), MaxTop()))
            ScrollTo(*top);
    }

    void OnWheel(int delta) { ScrollTo(top_ - WheelLines(wheel_, delta, PageLines())); }

    void OnKey(UINT key) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        switch (key) {
        case VK_UP: OnScroll(SB_LINEUP); break;
        case VK_DOWN: OnScroll(SB_LINEDOWN); break;
        case VK_PRIOR: OnScroll(SB_PAGEUP); break;
        case VK_NEXT: OnScroll(SB_PAGEDOWN); break;
        case VK_HOME: OnScroll(SB_TOP); break;
        case VK_END: OnScroll(SB_BOTTOM); break;
        case 'C': if (control) WriteClipboardText(hwnd(), text_); break;
        default: break;
        }
    }

    std::wstring_view Line(int index) const {
        const size_t start = starts_[static_cast<size_t>(index)];
        const size_t end = static_cast<size_t>(index) + 1 < starts_.size() ? starts_[index + 1] - 2 : text_.size();
        return std::wstring_view(text_).substr(start, end - start);
    }

    void OnPaint() {
        PaintDc paint(hwnd());
        RECT client;
        GetClientRect(hwnd(), &client);
        BackBuffer buffer(paint.get(), paint.area());
        if (!buffer) return;
        const HDC dc = buffer.dc();
        FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
        const SelectGuard select(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        const int last = std::min(LineCount(), top_ + PageLines() + 1);
        for (int line = top_; line < last; ++line) {
            const std::wstring_view text = Line(line);
            RECT row{2, (line - top_) * lineHeight_, client.right - 2, (line - top_ + 1) * lineHeight_};
            ExtTextOutW(dc, row.left, row.top, ETO_CLIPPED, &row, text.data(), static_cast<UINT>(text.size()),
                        nullptr);
        }
        if (GetFocus() == hwnd()) DrawFocusRect(dc, &client);
        buffer.CopyTo(paint.get());
    }

    HFONT font_ = nullptr;
    int lineHeight_ = 13;
    int top_ = 0;
    WheelAccumulator wheel_;
    std::wstring text_;
    std::vector<size_t> starts_{0};
};

}  // namespace

void RegisterLogView() { LogView::Register(); }

}  // namespace velk
