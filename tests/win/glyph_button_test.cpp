// Glyph buttons in a form of their own: the keys of a dialog (Enter, the
// mnemonic, double clicks), the default look following the focus, and the
// pictures drawn beside the captions.
#include <gtest/gtest.h>

#include <vector>

#include "ui/dialog_keys.h"
#include "ui/form.h"
#include "ui/glyph_button.h"
#include "win/handles.h"
#include "win_test_support.h"

namespace velk {
namespace {

class ButtonsForm : public Form {
public:
    bool Create() override {
        FormArgs args;
        args.className = L"VelkGlyphButtonTest";
        args.caption = L"Przyciski";
        args.left = 300;
        args.top = 300;
        args.clientWidth = 260;
        args.clientHeight = 80;
        if (!Form::Create(args)) return false;
        font_.reset(CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, L"Arial"));
        memo = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE,
                               8, 8, 240, 30, hwnd(), nullptr, nullptr, nullptr);
        return memo && Add(abort, IDABORT, bkAbort, L"&Wyczyść", 8, false) &&
               Add(help, IDHELP, bkHelp, L"&Pomoc", 92, false) && Add(ok, IDOK, bkOK, L"&OK", 176, true);
    }

    HWND memo = nullptr;
    GlyphButton abort;
    GlyphButton help;
    GlyphButton ok;
    std::vector<int> clicks;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (keys_.Handle(hwnd(), message, wParam, lParam, &result)) return result;
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            clicks.push_back(LOWORD(wParam));
            return 0;
        }
        if (message == WM_DRAWITEM && GlyphButton::DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        return DefaultHandling(message, wParam, lParam);
    }

private:
    bool Add(GlyphButton& button, int id, ButtonKind kind, const wchar_t* caption, int left, bool isDefault) {
        GlyphButtonArgs args;
        args.id = id;
        args.kind = kind;
        args.caption = caption;
        args.left = left;
        args.top = 46;
        args.width = 76;
        args.isDefault = isDefault;
        args.font = font_.get();
        return button.Create(hwnd(), args);
    }

    Font font_;
    DialogKeys keys_{IDOK};
};

class GlyphButtons : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form_.Create());
        form_.Show();
        SetForegroundWindow(form_.hwnd());
        ASSERT_TRUE(test::PumpUntil([&] { return GetActiveWindow() == form_.hwnd() && GetFocus(); }, 3000));
    }
    // Through the program's own loop: every key passes the form's dialog keys.
    static void Key(HWND target, UINT message, WPARAM key) {
        PostMessageW(target, message, key, 1);
        test::DispatchPending();
    }
    static bool CodeSays(const GlyphButton& button, LRESULT flag) {
        return (SendMessageW(button.hwnd(), WM_GETDLGCODE, 0, 0) & flag) != 0;
    }

    Final<ButtonsForm> form_;
};

TEST_F(GlyphButtons, EnterPressesTheDefaultButtonOrTheFocusedOne) {
    EXPECT_EQ(GetFocus(), form_.memo) << "the first control takes the focus";
    Key(form_.memo, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(form_.clicks, std::vector<int>{IDOK});

    SetFocus(form_.abort.hwnd());
    Key(form_.abort.hwnd(), WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(form_.clicks, (std::vector<int>{IDOK, IDABORT}));
}

TEST_F(GlyphButtons, TheMnemonicWithAltClicksItsButton) {
    Key(form_.memo, WM_SYSCHAR, L'w');
    Key(form_.memo, WM_SYSCHAR, L'P');
    Key(form_.memo, WM_SYSCHAR, L'o');
    EXPECT_EQ(form_.clicks, (std::vector<int>{IDABORT, IDHELP, IDOK}));
}

TEST_F(GlyphButtons, AQuickSecondClickIsOneMoreClick) {
    const HWND button = form_.help.hwnd();
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageW(button, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(10, 10));
    test::DispatchPending();
    EXPECT_EQ(form_.clicks, (std::vector<int>{IDHELP, IDHELP}));
}

TEST_F(GlyphButtons, TheDefaultLookFollowsTheFocusAndTheTypeStays) {
    EXPECT_TRUE(CodeSays(form_.ok, DLGC_DEFPUSHBUTTON));
    EXPECT_TRUE(CodeSays(form_.abort, DLGC_UNDEFPUSHBUTTON));
    SetFocus(form_.abort.hwnd());
    EXPECT_TRUE(CodeSays(form_.abort, DLGC_DEFPUSHBUTTON));
    EXPECT_TRUE(CodeSays(form_.ok, DLGC_UNDEFPUSHBUTTON));

    // Tab moves the focus as in a dialog, which restyles push buttons.
    Key(form_.abort.hwnd(), WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), form_.help.hwnd());
    for (const GlyphButton* button : {&form_.abort, &form_.help, &form_.ok})
        EXPECT_EQ(GetWindowLongW(button->hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

// Draws a button into a bitmap of its size and counts pixels of one colour
// in its picture's half and in its caption's half.
struct DrawnButton {
    int inkInPicture = 0;
    int blackInCaption = 0;
    COLORREF corner = 0;
};

DrawnButton Draw(const GlyphButton& button, COLORREF ink) {
    RECT bounds;
    GetClientRect(button.hwnd(), &bounds);
    ClientDc screen(nullptr);
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    Bitmap bitmap(CreateCompatibleBitmap(screen.get(), bounds.right, bounds.bottom));
    SelectGuard select(dc.get(), bitmap.get());
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(button.hwnd()));
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button.hwnd();
    item.hDC = dc.get();
    item.rcItem = bounds;
    EXPECT_TRUE(GlyphButton::DrawItem(item));

    DrawnButton drawn;
    drawn.corner = GetPixel(dc.get(), 0, 0);
    const int middle = bounds.right / 2;
    for (int y = 2; y < bounds.bottom - 2; ++y)
        for (int x = 2; x < bounds.right - 2; ++x) {
            const COLORREF pixel = GetPixel(dc.get(), x, y);
            if (x < middle - 8 && pixel == ink) ++drawn.inkInPicture;
            if (x >= middle - 8 && pixel == RGB(0, 0, 0)) ++drawn.blackInCaption;
        }
    return drawn;
}

TEST_F(GlyphButtons, EachKindDrawsItsPictureBesideItsCaption) {
    const DrawnButton ok = Draw(form_.ok, RGB(0, 128, 0));
    const DrawnButton help = Draw(form_.help, RGB(0, 0, 160));
    const DrawnButton abort = Draw(form_.abort, RGB(192, 0, 0));
    EXPECT_GT(ok.inkInPicture, 12);
    EXPECT_GT(help.inkInPicture, 12);
    EXPECT_GT(abort.inkInPicture, 40);
    for (const DrawnButton& drawn : {ok, help, abort}) EXPECT_GT(drawn.blackInCaption, 15);
    EXPECT_EQ(ok.corner, RGB(0, 0, 0)) << "the default button is framed";
    EXPECT_NE(abort.corner, RGB(0, 0, 0));

    DRAWITEMSTRUCT other{};
    other.CtlType = ODT_BUTTON;
    other.hwndItem = form_.memo;
    EXPECT_FALSE(GlyphButton::DrawItem(other));
}

}  // namespace
}  // namespace velk
