// The caption on a document frame and its document children, made for the
// test (the program itself has none): a child carries WS_SYSMENU exactly
// while maximised, offers no right-click menu, is active with its frame,
// closes by default from its menu when maximised; the frame hands the menu
// commands to a maximised child unless chosen over its own caption; and a
// child's attachment repaints what a maximised child shares with its frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "caption/vora_caption.h"
#include "ui/form.h"

namespace velk {
namespace {

using namespace caption;

// The messages and their wParam that reached a form's own procedure.
using Seen = std::vector<std::pair<UINT, WPARAM>>;

bool Saw(const Seen& seen, UINT message, WPARAM wParam) {
    return std::find(seen.begin(), seen.end(), std::make_pair(message, wParam)) != seen.end();
}

class DocumentFrame : public Form {
public:
    bool Create() override {
        if (!Form::Create({.className = L"CaptionDocumentFrame", .caption = L"Ramka",
                           .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, .left = 100, .top = 100,
                           .clientWidth = 600, .clientHeight = 400}))
            return false;
        CLIENTCREATESTRUCT client{nullptr, 0xFF00};
        client_ = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 600, 400,
                                  hwnd(), nullptr, GetModuleHandleW(nullptr), &client);
        return client_ != nullptr;
    }
    HWND Client() const { return client_; }
    Seen seen;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.emplace_back(message, wParam);
        return DefFrameProcW(hwnd(), client_, message, wParam, lParam);
    }

private:
    HWND client_ = nullptr;
};

// The framework makes no document windows: this one is a form on the
// framework's own class procedure. The system hands a document child's
// creation parameter inside an MDICREATESTRUCT, while the framework binds a
// form to its window by that parameter at WM_NCCREATE: for that one message
// the window gets a procedure that unwraps it.
LRESULT CALLBACK UnwrapDocumentParameter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto formProcedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
    // WM_GETMINMAXINFO comes first; the form is not bound yet either way.
    if (message != WM_NCCREATE) return CallWindowProcW(formProcedure, window, message, wParam, lParam);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(formProcedure));
    CREATESTRUCTW creation = *reinterpret_cast<CREATESTRUCTW*>(lParam);
    creation.lpCreateParams = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTW*>(creation.lpCreateParams)->lParam);
    return CallWindowProcW(formProcedure, window, message, wParam, reinterpret_cast<LPARAM>(&creation));
}

LRESULT CALLBACK OnDocumentCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && (reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->dwExStyle & WS_EX_MDICHILD))
        SetWindowLongPtrW(reinterpret_cast<HWND>(wParam), GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(&UnwrapDocumentParameter));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class DocumentChild : public Form {
public:
    explicit DocumentChild(const DocumentFrame& frame) : frame_(frame) {}
    bool Create() override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(frame_.hwnd(), GCLP_WNDPROC));
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = L"CaptionDocumentChild";
        RegisterClassExW(&windowClass);
        const HHOOK hook = SetWindowsHookExW(WH_CBT, OnDocumentCreation, nullptr, GetCurrentThreadId());
        CreateWindowExW(WS_EX_MDICHILD, L"CaptionDocumentChild", L"Dokument",
                        WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, frame_.Client(), nullptr,
                        GetModuleHandleW(nullptr), this);
        UnhookWindowsHookEx(hook);
        return hwnd() != nullptr;
    }
    Seen seen;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.emplace_back(message, wParam);
        return DefMDIChildProcW(hwnd(), message, wParam, lParam);
    }

private:
    const DocumentFrame& frame_;
};

bool HasSystemMenuStyle(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU) != 0; }

// Drops the WM_NCPAINT messages posted so far, and says whether one was
// posted to the window.
bool TakePostedNcPaint(HWND window) {
    MSG msg;
    bool posted = false;
    while (PeekMessageW(&msg, window, WM_NCPAINT, WM_NCPAINT, PM_REMOVE | PM_QS_POSTMESSAGE)) posted = true;
    return posted;
}

class CaptionDocuments : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame_.Create());
        ShowWindow(frame_.hwnd(), SW_SHOW);
        SetActiveWindow(frame_.hwnd());
        ASSERT_TRUE(child_.Create());
        ASSERT_TRUE(Form::FromHandle(child_.hwnd()) == &child_) << "the document child is a form";
    }
    Final<DocumentFrame> frame_;
    Final<DocumentChild> child_{frame_};
};

TEST_F(CaptionDocuments, AChildCarriesTheSystemMenuStyleExactlyWhileMaximised) {
    TVoraCaption mrsc(child_);
    const HWND child = child_.hwnd();
    EXPECT_FALSE(HasSystemMenuStyle(child));
    SendMessageW(child, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(IsZoomed(child));
    EXPECT_TRUE(HasSystemMenuStyle(child)) << "its frame shows its menu and buttons";
    mrsc.UpdateLayout();
    EXPECT_EQ(GetMenuDefaultItem(mrsc.PrepareSystemMenu(), FALSE, 0), static_cast<UINT>(SC_CLOSE))
        << "a maximised child closes by default";
    SendMessageW(child, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(child));
    EXPECT_FALSE(HasSystemMenuStyle(child));

    SendMessageW(child, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    SendMessageW(child, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(IsIconic(child));
    EXPECT_FALSE(HasSystemMenuStyle(child)) << "minimised from maximised";
    SendMessageW(child, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(child));
    EXPECT_EQ(HasSystemMenuStyle(child), IsZoomed(child) != FALSE) << "restored from minimised";

    mrsc.Detach();
    EXPECT_TRUE(HasSystemMenuStyle(child)) << "detached, the child has its own style back";
}

TEST_F(CaptionDocuments, AChildOffersNoRightClickMenuAndIsActiveWithItsFrame) {
    TVoraCaption mrsc(child_);
    const HWND child = child_.hwnd();
    RECT window;
    GetWindowRect(child, &window);
    const Rect& text = mrsc.Layout().textRect;
    const LPARAM where = MAKELPARAM(window.left + text.left + 20, window.top + text.top + 3);
    child_.seen.clear();
    // The system's default follows a right press on the caption until the
    // button comes up: the release waits in the queue.
    PostMessageW(child, WM_RBUTTONUP, 0, 0);
    SendMessageW(child, WM_NCRBUTTONDOWN, HTCAPTION, where);
    EXPECT_TRUE(Saw(child_.seen, WM_NCRBUTTONDOWN, HTCAPTION)) << "passed to the default";

    SendMessageW(frame_.Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
    SetActiveWindow(frame_.hwnd());
    ASSERT_EQ(GetActiveWindow(), frame_.hwnd());
    EXPECT_TRUE(mrsc.IsFormActive()) << "the frame's active child, the frame active";
    const Window other(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                       nullptr, nullptr));
    SetActiveWindow(other.get());
    EXPECT_FALSE(mrsc.IsFormActive()) << "another window active";
}

TEST_F(CaptionDocuments, TheFrameHandsMenuCommandsToAMaximisedChildExceptOverItsOwnCaption) {
    TVoraCaption frameCaption(frame_);
    const HWND child = child_.hwnd();
    SendMessageW(child, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(IsZoomed(child));
    RECT frame;
    GetWindowRect(frame_.hwnd(), &frame);
    const Rect& bar = frameCaption.Layout().captionRect;

    SetCursorPos(frame.left + 200, frame.top + 200);  // over the frame's client area
    frame_.seen.clear();
    SendMessageW(frame_.hwnd(), WM_COMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(child)) << "the child took the command";
    EXPECT_FALSE(Saw(frame_.seen, WM_SYSCOMMAND, SC_RESTORE));

    SendMessageW(child, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    SetCursorPos(frame.left + bar.left + 100, frame.top + bar.top + 5);  // over the frame's caption
    frame_.seen.clear();
    SendMessageW(frame_.hwnd(), WM_COMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(Saw(frame_.seen, WM_SYSCOMMAND, SC_RESTORE)) << "the frame took it";
    EXPECT_TRUE(IsZoomed(child));
}

TEST_F(CaptionDocuments, AttachingToAChildRepaintsTheFrameWhenAMaximisedChildSharesItsCaption) {
    TakePostedNcPaint(nullptr);
    TVoraCaption first(child_);
    EXPECT_TRUE(TakePostedNcPaint(child_.hwnd()));
    EXPECT_FALSE(TakePostedNcPaint(frame_.hwnd())) << "one frame, no maximised child";

    Final<DocumentChild> second(frame_);
    ASSERT_TRUE(second.Create());
    SendMessageW(child_.hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(IsZoomed(child_.hwnd()));
    TakePostedNcPaint(nullptr);
    TVoraCaption secondCaption(second);
    EXPECT_TRUE(TakePostedNcPaint(second.hwnd()));
    EXPECT_TRUE(TakePostedNcPaint(frame_.hwnd())) << "the frame and a maximised child";
}

}  // namespace
}  // namespace velk
