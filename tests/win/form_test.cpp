// The form base: a real form destroyed while the derived form still stands,
// creation failures that stop the program, errors that end only their
// handler.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include <windows.h>

#include "about/info_form.h"
#include "win/exception.h"
#include "ui/form.h"
#include "win/handles.h"
#include "win/object_count.h"
#include "win_test_support.h"

namespace velk {
namespace {

constexpr wchar_t kCannotCreate[] = L"Nie mogę utworzyć okna programu";

FormArgs TestFormArgs(const wchar_t* className) {
    FormArgs args;
    args.className = className;
    args.clientWidth = 100;
    args.clientHeight = 50;
    return args;
}

// What a control of the about box sees at its own WM_DESTROY: whether the
// form still answers as the about box (the web address is navy only there)
// and whether the font the form gave it is still alive.
struct DestroyWitness {
    WNDPROC controlProcedure = nullptr;
    bool sawDestroy = false;
    COLORREF textColour = CLR_INVALID;
    bool fontAlive = false;
};
DestroyWitness witness;

LRESULT CALLBACK WitnessDestroy(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        witness.sawDestroy = true;
        const ClientDc dc(nullptr);
        SetTextColor(dc.get(), RGB(1, 2, 3));
        SendMessageW(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                     reinterpret_cast<LPARAM>(control));
        witness.textColour = GetTextColor(dc.get());
        const auto held = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
        witness.fontAlive = held && GetObjectType(held) == OBJ_FONT;
    }
    return CallWindowProcW(witness.controlProcedure, control, message, wParam, lParam);
}

TEST(Forms, AFormsWindowIsDestroyedWhileTheDerivedFormAndItsFontsStand) {
    const long before = LiveObjects();
    HWND window = nullptr;
    {
        Final<Tf_info> about;
        ASSERT_TRUE(about.Create());
        window = about.hwnd();
        // Its labels in creation order: the version, the web address, the contact line.
        const HWND version = FindWindowExW(window, nullptr, L"Static", nullptr);
        const HWND address = FindWindowExW(window, version, L"Static", nullptr);
        ASSERT_NE(address, nullptr);
        witness.controlProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(address, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WitnessDestroy)));
    }
    EXPECT_TRUE(witness.sawDestroy);
    EXPECT_EQ(witness.textColour, RGB(0, 0, 128)) << "the about box's own handling answered while its window went";
    EXPECT_TRUE(witness.fontAlive) << "the control's font was alive while the window went";
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(LiveObjects(), before);
}

// Refuses its creation, as a window whose class or resources fail would.
class RefusingForm : public Form {
public:
    bool Create() override { return Form::Create(TestFormArgs(L"RefusingForm")); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE) return -1;
        return DefaultHandling(message, wParam, lParam);
    }
};

class PlainForm : public Form {
public:
    bool Create() override { return Form::Create(TestFormArgs(L"PlainForm")); }
};

TEST(Forms, AFormThatCannotBeCreatedIsReportedWhenNeededAndTriedAgainNextTime) {
    Final<PlainForm> plain;
    Final<RefusingForm> refusing;
    {
        test::BoxAnswerer answerer;
        EXPECT_TRUE(EnsureCreated(plain, nullptr, kCannotCreate));
        EXPECT_FALSE(answerer.Answered());
    }
    const HWND made = plain.hwnd();
    EXPECT_TRUE(made);
    EXPECT_TRUE(EnsureCreated(plain, nullptr, kCannotCreate));
    EXPECT_EQ(plain.hwnd(), made) << "a form that stands is not made again";
    for (int need = 0; need < 2; ++need) {
        test::BoxAnswerer answerer;
        EXPECT_FALSE(EnsureCreated(refusing, nullptr, kCannotCreate));
        ASSERT_TRUE(answerer.Answered()) << need;
        EXPECT_EQ(answerer.Title(), L"=VELK=");
        EXPECT_EQ(answerer.Text(), L"Nie mogę utworzyć okna programu.");
        EXPECT_FALSE(refusing.hwnd());
    }
}

// A form whose handlers fail: with our own error, as a picture that cannot
// be loaded makes one, and with the standard library's.
class FailingForm : public Form {
public:
    bool Create() override { return Form::Create(TestFormArgs(L"FailingForm")); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) throw Exception(L"Cannot open file C:\\brak.bmp");
        if (message == WM_APP + 1) throw std::runtime_error("vector too long");
        if (message == WM_APP + 2) throw std::bad_alloc();
        return DefaultHandling(message, wParam, lParam);
    }
};

TEST(Forms, AnErrorEndsOnlyItsHandlerAndIsShownInTheStandardErrorBox) {
    Final<FailingForm> form;
    ASSERT_TRUE(form.Create());
    const struct {
        UINT message;
        const wchar_t* text;
    } cases[] = {{WM_APP, L"Cannot open file C:\\brak.bmp."},
                 {WM_APP + 1, L"vector too long."},
                 {WM_APP + 2, L"Out of memory."}};
    for (const auto& error : cases) {
        test::BoxAnswerer answerer;
        EXPECT_EQ(SendMessageW(form.hwnd(), error.message, 0, 0), 0);
        ASSERT_TRUE(answerer.Answered());
        EXPECT_EQ(answerer.Title(), L"=VELK=");
        EXPECT_EQ(answerer.Text(), error.text);
    }
    EXPECT_TRUE(IsWindow(form.hwnd())) << "the form goes on";
}

}  // namespace
}  // namespace velk
