#include "ui/log_view.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win/back_buffer.h"
#include "win/guarded_call.h"
#include "win/handles.h"
#include "core/wheel.h"

namespace velk {

namespace {

class LogView {
public:
    explicit LogView(HWND hwnd) : hwnd_(hwnd) {}

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
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
        case WM_LBUTTONDOWN: SetFocus(hwnd_); return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        default: return DefWindowProcW(hwnd_, message, wParam, lParam);
        }
    }

private:
    void SetText(const wchar_t* text) {
        text_ = text ? text : L"";
        starts_.assign(1, 0);
        for (size_t at = text_.find(L"\r\n"); at != std::wstring::npos; at = text_.find(L"\r\n", at + 2))
            starts_.push_back(at + 2);
        top_ = 0;
        UpdateScrollBar();
        InvalidateRect(hwnd_, nullptr, FALSE);
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
        const ClientDc dc(hwnd_);
        const SelectGuard select(dc.get(), font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc.get(), &metrics);
        lineHeight_ = std::max<int>(1, metrics.tmHeight);
        UpdateScrollBar();
        if (redraw) InvalidateRect(hwnd_, nullptr, FALSE);
    }

    int LineCount() const { return text_.empty() ? 0 : static_cast<int>(starts_.size()); }
    int PageLines() const {
        RECT client;
        GetClientRect(hwnd_, &client);
        return std::max(1, static_cast<int>(client.bottom) / lineHeight_);
    }
    int MaxTop() const { return std::max(0, LineCount() - PageLines()); }

    void UpdateScrollBar() {
        top_ = std::clamp(top_, 0, MaxTop());
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMax = std::max(0, LineCount() - 1);
        info.nPage = static_cast<UINT>(PageLines());
        info.nPos = top_;
        SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    }

    void ScrollTo(int line) {
        const int top = std::clamp(line, 0, MaxTop());
        if (top == top_) return;
        top_ = top;
        SetScrollPos(hwnd_, SB_VERT, top_, TRUE);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }

    void OnScroll(UINT request) {
        switch (request) {
        case SB_LINEUP: ScrollTo(top_ - 1); break;
        case SB_LINEDOWN: ScrollTo(top_ + 1); break;
        case SB_PAGEUP: ScrollTo(top_ - PageLines()); break;
        case SB_PAGEDOWN: ScrollTo(top_ + PageLines()); break;
        case SB_TOP: ScrollTo(0); break;
        case SB_BOTTOM: ScrollTo(MaxTop()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(hwnd_, SB_VERT, &info);
            ScrollTo(info.nTrackPos);
            break;
        }
        default: break;
        }
    }

    void OnWheel(int delta) {
        UINT linesPerNotch = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
        // WHEEL_PAGESCROLL: a notch is a page.
        const int lines = linesPerNotch == WHEEL_PAGESCROLL ? PageLines() : static_cast<int>(linesPerNotch);
        ScrollTo(top_ - wheel_.Lines(delta, lines));
    }

    void OnKey(UINT key) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        switch (key) {
        case VK_UP: OnScroll(SB_LINEUP); break;
        case VK_DOWN: OnScroll(SB_LINEDOWN); break;
        case VK_PRIOR: OnScroll(SB_PAGEUP); break;
        case VK_NEXT: OnScroll(SB_PAGEDOWN); break;
        case VK_HOME: OnScroll(SB_TOP); break;
        case VK_END: OnScroll(SB_BOTTOM); break;
        case 'C':
            if (control) CopyToClipboard();
            break;
        default: break;
        }
    }

    void CopyToClipboard() const {
        if (!OpenClipboard(hwnd_)) return;
        EmptyClipboard();
        const size_t bytes = (text_.size() + 1) * sizeof(wchar_t);
        // Once placed, the memory belongs to the clipboard.
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* target = GlobalLock(memory)) {
                std::copy_n(text_.c_str(), text_.size() + 1, static_cast<wchar_t*>(target));
                GlobalUnlock(memory);
                if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
            } else {
                GlobalFree(memory);
            }
        }
        CloseClipboard();
    }

    std::wstring_view Line(int index) const {
        const size_t start = starts_[static_cast<size_t>(index)];
        const size_t end = static_cast<size_t>(index) + 1 < starts_.size() ? starts_[index + 1] - 2 : text_.size();
        return std::wstring_view(text_).substr(start, end - start);
    }

    void OnPaint() {
        PaintDc paint(hwnd_);
        RECT client;
        GetClientRect(hwnd_, &client);
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
        if (GetFocus() == hwnd_) DrawFocusRect(dc, &client);
        buffer.CopyTo(paint.get());
    }

    HWND hwnd_;
    HFONT font_ = nullptr;
    int lineHeight_ = 13;
    int top_ = 0;
    WheelAccumulator wheel_;
    std::wstring text_;
    std::vector<size_t> starts_{0};
};

LRESULT CALLBACK LogViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCall(hwnd, [&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            // A view that cannot be made fails the creation (FALSE).
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LogView(hwnd)));
        }
        auto* view = reinterpret_cast<LogView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            delete view;
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        return view ? view->Handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
    });
}

}  // namespace

void RegisterLogView() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = LogViewProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kLogViewClass;
    RegisterClassExW(&windowClass);  // a second registration finds it there
}

}  // namespace velk
