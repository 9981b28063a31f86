// The form base: destruction while the derived form still stands, creation
// failures that stop the program, errors that end only their handler.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "win/exception.h"
#include "win/fonts.h"
#include "ui/form.h"
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

// Records what its own handling sees while its window is destroyed: the
// message must reach the derived form, and the font its control holds must
// still be alive.
class RecordingForm : public Form {
public:
    RecordingForm(bool* sawDestroy, bool* fontAlive) : sawDestroy_(sawDestroy), fontAlive_(fontAlive) {}
    bool Create() override {
        if (!Form::Create(TestFormArgs(L"RecordingForm"))) return false;
        font_ = MakeFont(11, FW_BOLD, false, DEFAULT_CHARSET, L"Arial");
        label_ = CreateWindowExW(0, L"STATIC", L"Napis", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, hwnd(), nullptr,
                                 nullptr, nullptr);
        SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        return label_ != nullptr;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DESTROY) {
            *sawDestroy_ = true;
            const auto held = reinterpret_cast<HGDIOBJ>(SendMessageW(label_, WM_GETFONT, 0, 0));
            *fontAlive_ = held == font_.get() && GetObjectType(held) == OBJ_FONT;
        }
        return DefaultHandling(message, wParam, lParam);
    }

private:
    bool* sawDestroy_;
    bool* fontAlive_;
    Font font_;
    HWND label_ = nullptr;
};

TEST(Forms, AFormsWindowIsDestroyedWhileTheDerivedFormAndItsFontsStand) {
    bool sawDestroy = false;
    bool fontAlive = false;
    const long before = LiveObjects();
    HWND window = nullptr;
    {
        Final<RecordingForm> form(&sawDestroy, &fontAlive);
        ASSERT_TRUE(form.Create());
        window = form.hwnd();
    }
    EXPECT_TRUE(sawDestroy) << "WM_DESTROY reached the derived form's handling";
    EXPECT_TRUE(fontAlive) << "the control's font was alive while the window went";
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
