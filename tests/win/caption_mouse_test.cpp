// The caption and the mouse on forms made for the test, with the pointer
// placed by SetCursorPos and the messages sent as the system would: the
// system menu's state, the close button's click, the menus under the icon,
// at the pointer and of a minimised caption, and which messages reach the
// form's own procedure.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "caption/vora_caption.h"
#include "ui/form.h"

namespace velk {
namespace {

using namespace caption;

// A form that records what reaches its own procedure, and closes any menu
// the moment its modal loop first waits, noting where the menu stood.
class RecordingForm : public Form {
public:
    explicit RecordingForm(FormArgs args) : args_(std::move(args)) {}
    bool Create() override { return Form::Create(args_); }

    bool Saw(UINT message, std::optional<WPARAM> wParam = {}, std::optional<LPARAM> lParam = {}) const {
        for (const MSG& seen : seen_)
            if (seen.message == message && (!wParam || seen.wParam == *wParam) && (!lParam || seen.lParam == *lParam))
                return true;
        return false;
    }
    // Whether the window carried WS_VISIBLE when the message last reached the form.
    std::optional<bool> VisibleAt(UINT message) const {
        for (size_t i = seen_.size(); i-- > 0;)
            if (seen_[i].message == message) return visible_[i];
        return std::nullopt;
    }
    void Forget() {
        seen_.clear();
        visible_.clear();
        menu_.reset();
    }
    const std::optional<RECT>& Menu() const { return menu_; }
    void WhileMenuOpen(std::function<void()> step) { whileMenuOpen_ = std::move(step); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen_.push_back(MSG{hwnd(), message, wParam, lParam, 0, {}});
        visible_.push_back((GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0);
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !menu_) {
            RECT menu{};
            GetWindowRect(reinterpret_cast<HWND>(lParam), &menu);
            menu_ = menu;
            if (whileMenuOpen_) whileMenuOpen_();
            EndMenu();
        }
        return DefaultHandling(message, wParam, lParam);
    }

private:
    FormArgs args_;
    std::vector<MSG> seen_;
    std::vector<bool> visible_;
    std::optional<RECT> menu_;
    std::function<void()> whileMenuOpen_;
};

FormArgs PanelLike() {
    return {.className = L"CaptionMousePanel", .caption = L" ",
            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, .exStyle = WS_EX_TOOLWINDOW,
            .left = 60, .top = 80, .clientWidth = 130, .clientHeight = 120};
}
FormArgs DialogLike() {
    return {.className = L"CaptionMouseDialog", .caption = L"Ustawienia programu VELK", .left = 260, .top = 120,
            .clientWidth = 517, .clientHeight = 230, .iconResource = 1};
}
FormArgs Sizeable() {
    return {.className = L"CaptionMouseSizeable", .caption = L"Okno", .style = WS_OVERLAPPEDWINDOW, .left = 260,
            .top = 120, .clientWidth = 517, .clientHeight = 230};
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// A window-relative point on the screen, as a non-client message carries
// it; the pointer is placed there too.
LPARAM At(HWND window, Point p) {
    const RECT frame = WindowRect(window);
    SetCursorPos(frame.left + p.x, frame.top + p.y);
    return MAKELPARAM(frame.left + p.x, frame.top + p.y);
}

// The client message's point for the pointer where it is now.
LPARAM ClientPointer(HWND window) {
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    return MAKELPARAM(cursor.x, cursor.y);
}

Point TextPoint(const TVoraCaption& caption) {
    const Rect& text = caption.Layout().textRect;
    return {text.left + 40, (text.top + text.bottom) / 2};
}

TEST(CaptionMenu, TheSystemMenuFollowsTheFormAndItsState) {
    const UINT all[] = {SC_MOVE, SC_SIZE, SC_CLOSE, SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE};
    const struct {
        FormArgs args;
        int show;
        UINT defaultItem;
        std::vector<UINT> grayed;
    } cases[] = {
        {PanelLike(), SW_SHOWNOACTIVATE, SC_CLOSE, {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE}},
        {DialogLike(), SW_SHOWNOACTIVATE, SC_CLOSE, {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE}},
        {Sizeable(), SW_SHOWMAXIMIZED, SC_RESTORE, {SC_MOVE, SC_SIZE, SC_MAXIMIZE}},
        {Sizeable(), SW_SHOWMINNOACTIVE, SC_RESTORE, {SC_MOVE, SC_SIZE, SC_MINIMIZE}},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(testing::Message() << example.args.className << " shown " << example.show);
        Final<RecordingForm> form(example.args);
        ASSERT_TRUE(form.Create());
        TVoraCaption mrsc(form);
        ShowWindow(form.hwnd(), example.show);
        mrsc.UpdateLayout();
        // The window lost WS_SYSMENU but keeps its system menu.
        const HMENU menu = mrsc.PrepareSystemMenu();
        ASSERT_NE(menu, nullptr);
        for (const UINT command : all) {
            const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
            ASSERT_NE(state, static_cast<UINT>(-1)) << std::hex << command;
            const bool grayed = std::count(example.grayed.begin(), example.grayed.end(), command) != 0;
            EXPECT_EQ((state & MF_GRAYED) != 0, grayed) << std::hex << command;
        }
        EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, 0), example.defaultItem);
    }
}

class CaptionButtons : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form_.Create());
        ShowWindow(form_.hwnd(), SW_SHOW);
        mrsc_.Attach(form_);
        mrsc_.PaintCaption(true);
        form_.Forget();
    }
    HWND Window() const { return form_.hwnd(); }
    void Send(UINT message, WPARAM wParam, LPARAM lParam) { SendMessageW(Window(), message, wParam, lParam); }
    void Client(UINT message, Point p) {
        At(Window(), p);
        Send(message, 0, ClientPointer(Window()));
    }
    const TVoraCaptionSystemButton& Close() const { return mrsc_.Button(sbClose); }
    Point CloseCentre() const {
        return {Close().ButtonLeft + Close().ButtonWidth / 2, Close().ButtonTop + Close().ButtonHeight / 2};
    }

    Final<RecordingForm> form_{DialogLike()};
    TVoraCaption mrsc_;
};

TEST_F(CaptionButtons, AClickOnTheCloseButtonClosesAndAPressMovedOffDoesNothing) {
    const Point centre = CloseCentre();
    const Point off{centre.x - 60, centre.y + 40};
    Send(WM_NCLBUTTONDOWN, HTCAPTION, At(Window(), centre));
    EXPECT_TRUE(Close().Pressed());
    EXPECT_EQ(GetCapture(), Window()) << "the moves and the release come to the button";
    Client(WM_MOUSEMOVE, off);
    EXPECT_FALSE(Close().Pressed()) << "drawn raised outside";
    Client(WM_MOUSEMOVE, centre);
    EXPECT_TRUE(Close().Pressed()) << "pushed again inside";
    Client(WM_LBUTTONUP, off);
    EXPECT_FALSE(Close().Tracking());
    EXPECT_NE(GetCapture(), Window());
    EXPECT_FALSE(form_.Saw(WM_SYSCOMMAND)) << "released outside: no command";
    EXPECT_FALSE(form_.Saw(WM_NCLBUTTONDOWN) || form_.Saw(WM_MOUSEMOVE)) << "the button's messages are its own";

    // Released inside, also 2 pixels below or right of the button.
    const Point below{Close().ButtonLeft + 3, Close().ButtonTop + Close().ButtonHeight + 1};
    const Point right{Close().ButtonLeft + Close().ButtonWidth + 1, Close().ButtonTop + 3};
    for (const Point p : {centre, below, right}) {
        form_.Forget();
        ShowWindow(Window(), SW_SHOW);
        Send(WM_NCLBUTTONDOWN, HTCAPTION, At(Window(), p));
        Client(WM_LBUTTONUP, p);
        EXPECT_TRUE(form_.Saw(WM_SYSCOMMAND, SC_CLOSE)) << p.x << "," << p.y;
        EXPECT_TRUE(form_.Saw(WM_CLOSE));
        EXPECT_FALSE(IsWindowVisible(Window())) << "the form's close request hid it";
    }
}

TEST_F(CaptionButtons, ARightClickOpensTheSystemMenuAtThePointerButNotOnAButton) {
    Send(WM_NCRBUTTONDOWN, HTCAPTION, At(Window(), CloseCentre()));
    Send(WM_NCRBUTTONUP, HTCAPTION, At(Window(), CloseCentre()));
    EXPECT_FALSE(Close().Tracking());
    EXPECT_FALSE(form_.Menu()) << "no menu over a button";

    const Point text = TextPoint(mrsc_);
    Send(WM_NCRBUTTONDOWN, HTCAPTION, At(Window(), text));
    EXPECT_FALSE(form_.Menu()) << "the menu opens on the release";
    Send(WM_NCRBUTTONUP, HTCAPTION, At(Window(), text));
    ASSERT_TRUE(form_.Menu());
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(form_.Menu()->left, cursor.x);
    EXPECT_EQ(form_.Menu()->top, cursor.y);
    EXPECT_FALSE(form_.Saw(WM_NCRBUTTONDOWN) || form_.Saw(WM_NCRBUTTONUP));

    // A right press whose release comes in the client area opens nothing.
    form_.Forget();
    Send(WM_NCRBUTTONDOWN, HTCAPTION, At(Window(), text));
    Send(WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    Send(WM_NCRBUTTONUP, HTCAPTION, At(Window(), text));
    EXPECT_FALSE(form_.Menu());
    EXPECT_TRUE(form_.Saw(WM_RBUTTONUP) && form_.Saw(WM_NCRBUTTONUP));
}

TEST_F(CaptionButtons, TheIconOpensTheMenuUnderItAndASecondClickInTimeCloses) {
    const UINT doubleClickTime = GetDoubleClickTime();
    SetDoubleClickTime(20000);  // generous: the test's own pace never decides
    const Point icon{mrsc_.Layout().iconRect.left + 8, mrsc_.Layout().iconRect.top + 8};
    const LPARAM where = At(Window(), icon);
    // The click on the icon that closes the menu waits in the queue.
    form_.WhileMenuOpen([&] { PostMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, where); });
    Send(WM_NCLBUTTONDOWN, HTCAPTION, where);
    ASSERT_TRUE(form_.Menu());
    const RECT frame = WindowRect(Window());
    const CaptionLayout& layout = mrsc_.Layout();
    EXPECT_EQ(form_.Menu()->left, frame.left + layout.frameWidth);
    EXPECT_EQ(form_.Menu()->top, frame.top + layout.frameHeight + layout.captionHeight) << "just below the icon";
    MSG waiting;
    EXPECT_FALSE(PeekMessageW(&waiting, Window(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE))
        << "the closing click does not open the menu again";
    EXPECT_FALSE(form_.Saw(WM_CLOSE));
    Send(WM_NCLBUTTONUP, HTCAPTION, where);
    EXPECT_TRUE(form_.Saw(WM_SYSCOMMAND, SC_CLOSE) && form_.Saw(WM_CLOSE));
    SetDoubleClickTime(doubleClickTime);
}

TEST_F(CaptionButtons, WhatReachesTheFormsOwnProcedure) {
    const Point text = TextPoint(mrsc_);
    Send(WM_NCLBUTTONDBLCLK, HTCAPTION, At(Window(), text));
    EXPECT_FALSE(form_.Saw(WM_NCLBUTTONDBLCLK)) << "a double click on the text is not passed on";
    EXPECT_FALSE(form_.Saw(WM_SYSCOMMAND)) << "and maximises nothing";
    Send(WM_NCMOUSEMOVE, HTCAPTION, At(Window(), text));
    EXPECT_TRUE(form_.Saw(WM_NCMOUSEMOVE));
    Send(WM_NCLBUTTONDOWN, HTBORDER, At(Window(), {1, 10}));
    EXPECT_TRUE(form_.Saw(WM_NCLBUTTONDOWN, HTBORDER)) << "other hit-test codes are never touched";
    Send(WM_COMMAND, 1234, 0);
    EXPECT_TRUE(form_.Saw(WM_COMMAND, 1234));
    Send(WM_COMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(form_.Saw(WM_COMMAND, SC_MINIMIZE));
    EXPECT_TRUE(form_.Saw(WM_SYSCOMMAND, SC_MINIMIZE)) << "the menu's commands become system commands";
    EXPECT_TRUE(IsIconic(Window()));
}

TEST_F(CaptionButtons, WhatDrawsTheSystemsCaptionReachesTheFormOnlyToldNotToAndTheBarIsPaintedAfter) {
    const Rect bar = mrsc_.Layout().captionRect;
    // uxtheme's "draw the caption" and "draw the frame", which Wine's never sends, and a new text.
    for (const UINT message : {0xAEu, 0xAFu, static_cast<UINT>(WM_SETTEXT)}) {
        const WindowDc dc(Window());
        PatBlt(dc.get(), bar.left, bar.top, bar.Width(), bar.Height(), BLACKNESS);
        Send(message, 0, reinterpret_cast<LPARAM>(L"Nowy"));
        EXPECT_EQ(GetPixel(dc.get(), bar.left, bar.top), mrsc_.IsFormActive() ? RGB(0, 0, 128) : RGB(128, 128, 128));
        EXPECT_EQ(form_.Saw(message), message == WM_SETTEXT) << std::hex << message;
    }
    Send(WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(form_.VisibleAt(WM_NCACTIVATE), true) << "no frame painted yet: nothing to lock";
    Send(WM_NCPAINT, 1, 0);
    Send(WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(form_.VisibleAt(WM_NCACTIVATE), false) << "the frame on screen: the redraw is locked";
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(form_.Saw(WM_NCACTIVATE, FALSE, -1) && form_.Saw(WM_NCACTIVATE, TRUE, -1)) << "told not to draw";
}

TEST(CaptionMouse, AMaximisedFormIsNotDraggedAndItsTextDoubleClickRestores) {
    Final<RecordingForm> form(Sizeable());
    ASSERT_TRUE(form.Create());
    ShowWindow(form.hwnd(), SW_SHOWMAXIMIZED);
    TVoraCaption mrsc(form);
    mrsc.PaintCaption(true);
    form.Forget();
    SendMessageW(form.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, At(form.hwnd(), TextPoint(mrsc)));
    EXPECT_TRUE(form.Saw(WM_NCLBUTTONDOWN, HTNOWHERE));
    EXPECT_FALSE(form.Saw(WM_NCLBUTTONDOWN, HTCAPTION));
    SendMessageW(form.hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, At(form.hwnd(), TextPoint(mrsc)));
    EXPECT_TRUE(form.Saw(WM_SYSCOMMAND, SC_RESTORE));
    EXPECT_FALSE(IsZoomed(form.hwnd()));
    mrsc.PaintCaption(true);
    SendMessageW(form.hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, At(form.hwnd(), TextPoint(mrsc)));
    EXPECT_TRUE(IsZoomed(form.hwnd())) << "and maximises again";
}

TEST(CaptionMouse, AMinimisedCaptionIsDraggedAndClickedForItsMenu) {
    Final<RecordingForm> form(Sizeable());
    ASSERT_TRUE(form.Create());
    ShowWindow(form.hwnd(), SW_SHOW);
    TVoraCaption mrsc(form);
    ShowWindow(form.hwnd(), SW_SHOWMINNOACTIVE);
    mrsc.PaintCaption(false);
    const HWND window = form.hwnd();
    const RECT before = WindowRect(window);
    const Point text = TextPoint(mrsc);

    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, At(window, text));
    EXPECT_EQ(GetCapture(), window);
    SetCursorPos(before.left + text.x + 30, before.top + text.y - 40);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, ClientPointer(window));
    const RECT moved = WindowRect(window);
    EXPECT_EQ(moved.left, before.left + 30);
    EXPECT_EQ(moved.top, before.top - 40);
    SendMessageW(window, WM_LBUTTONUP, 0, ClientPointer(window));
    EXPECT_NE(GetCapture(), window);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    EXPECT_EQ(placement.ptMinPosition.x, moved.left) << "the new place is the minimised one";
    EXPECT_EQ(placement.ptMinPosition.y, moved.top);
    EXPECT_FALSE(form.Menu()) << "a drag opens no menu";
    EXPECT_TRUE(form.Saw(WM_LBUTTONUP)) << "after a drag the release goes on";

    form.Forget();
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, At(window, text));
    SendMessageW(window, WM_LBUTTONUP, 0, ClientPointer(window));
    ASSERT_TRUE(form.Menu()) << "a click without moving opens the menu";
    EXPECT_EQ(form.Menu()->left, moved.left);
    // Asked for below the caption; Wine ignores the rectangle a menu must
    // keep clear of and only keeps the menu on the screen.
    EXPECT_LE(form.Menu()->bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_FALSE(form.Saw(WM_LBUTTONUP)) << "the click's release is the menu's";
    EXPECT_TRUE(IsIconic(window));
}

}  // namespace
}  // namespace velk
