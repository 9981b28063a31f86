// The about box created in-process, and the enciphered label's rules: its
// caption kept enciphered, keys, the overridable cipher, any length and any
// byte.
#include <gtest/gtest.h>

#include <set>

#include "core/crypt_text.h"
#include "about/info_form.h"
#include "ui/application.h"
#include "ui/form_layout.h"
#include "win/fonts.h"

namespace velk {
namespace {

class InfoForm : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(info_.Create()); }
    Final<Tf_info> info_;
};

TEST_F(InfoForm, ShowsTheVersionAndTheStoredLineDeciphered) {
    EXPECT_EQ(ControlText(FindWindowExW(info_.hwnd(), nullptr, L"Static", nullptr)), L"VELK v.4");
    const TCryptLabel& label = info_.CryptLabel1;
    EXPECT_EQ(label.Key(), 83) << "the stored key replaces the random one";
    EXPECT_EQ(label.DrawnText(), "Ten napis jest zapisany szyfrem.");
    // Read back enciphered: 'T' ^ 1 ^ 83, 'e' ^ 2 ^ 83, 'n' ^ 3 ^ 83.
    EXPECT_TRUE(label.Caption().starts_with("\x06\x34\x3E")) << "the caption reads enciphered";
    EXPECT_EQ(label.Caption().size(), label.DrawnText().size());
}

TEST_F(InfoForm, TheMemoShowsMicrosoftSansSerifWithTheLinesOfTheDesignsMsSansSerif) {
    const ClientDc dc(nullptr);
    const auto lineHeight = [&](HFONT font, const wchar_t* face) {
        const SelectGuard select(dc.get(), font);
        wchar_t drawn[LF_FACESIZE] = {};
        TEXTMETRICW metrics{};
        EXPECT_TRUE(GetTextFaceW(dc.get(), LF_FACESIZE, drawn) && GetTextMetricsW(dc.get(), &metrics));
        EXPECT_STREQ(drawn, face) << "the test prefix maps each face";
        return metrics.tmHeight;
    };
    const Font design = MakeFont(11, FW_NORMAL, false, DEFAULT_CHARSET, L"MS Sans Serif");
    const HWND memo = FindWindowExW(info_.hwnd(), nullptr, L"Edit", nullptr);
    EXPECT_EQ(lineHeight(reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0)), L"Microsoft Sans Serif"),
              lineHeight(design.get(), L"MS Sans Serif"));
}

// A form that is never created: labels of it repaint nothing.
class NoWindow : public Form {
public:
    bool Create() override { return false; }
};

TEST(CryptLabel, ConstructionDrawsAKeyFromOneTo254) {
    Final<NoWindow> owner;
    std::set<int> keys;
    for (int i = 0; i < 3000; ++i) keys.insert(TCryptLabel(owner).Key());
    EXPECT_GE(*keys.begin(), 1);
    EXPECT_LE(*keys.rbegin(), 254);
    EXPECT_GT(keys.size(), 200u);
}

TEST(CryptLabel, ACaptionSetAtRunTimeIsKeptEncipheredWhateverItsLengthAndBytes) {
    Final<NoWindow> owner;
    TCryptLabel label(owner);
    label.SetKey(83);
    // 'Q' in the second place enciphers to a zero byte, which cuts nothing.
    label.SetCaption("aQb");
    EXPECT_EQ(label.Caption(), std::string("3\0" "2", 3));
    EXPECT_EQ(label.DrawnText(), "aQb");

    const std::string longText(1000, 'x');
    label.SetCaption(longText);
    EXPECT_EQ(label.Caption(), CryptTransform(longText, 83));
    EXPECT_EQ(label.DrawnText(), longText);

    // The caption it holds already: nothing happens, not even enciphering.
    const std::string held = label.Caption();
    label.SetCaption(held);
    EXPECT_EQ(label.Caption(), held);
}

TEST(CryptLabel, AnEmptyCaptionDrawsANewKeyAndANewKeyChangesOnlyTheDrawnText) {
    Final<NoWindow> owner;
    TCryptLabel label(owner);
    std::set<int> keys;
    for (int i = 0; i < 10; ++i) {
        label.SetCaption("x");
        label.SetCaption("");
        EXPECT_EQ(label.Caption(), "");
        keys.insert(label.Key());
    }
    EXPECT_GT(keys.size(), 1u);
    EXPECT_GE(*keys.begin(), 1);
    EXPECT_LE(*keys.rbegin(), 254);

    label.SetKey(10);
    label.SetCaption("VELK");
    label.SetKey(11);
    EXPECT_EQ(label.Caption(), CryptTransform("VELK", 10));
    EXPECT_EQ(label.DrawnText(), CryptTransform(CryptTransform("VELK", 10), 11));
}

// A label whose cipher is replaced: both directions go through the
// overrides, with the label's key.
class ShiftLabel : public TCryptLabel {
public:
    using TCryptLabel::TCryptLabel;
    std::string Encrypt(std::string_view text, uint8_t key) const override { return Shift(text, key); }
    std::string Decrypt(std::string_view text, uint8_t key) const override { return Shift(text, -key); }

private:
    static std::string Shift(std::string_view text, int by) {
        std::string result(text);
        for (char& c : result) c = static_cast<char>(c + by);
        return result;
    }
};

TEST(CryptLabel, EncryptAndDecryptCanBeReplaced) {
    Final<NoWindow> owner;
    ShiftLabel label(owner);
    label.SetKey(1);
    label.SetCaption("HAL");
    EXPECT_EQ(label.Caption(), "IBM");
    EXPECT_EQ(label.DrawnText(), "HAL");
}

TEST_F(InfoForm, ANewCaptionRepaintsTheLabelOnly) {
    info_.Show();
    UpdateWindow(info_.hwnd());
    info_.CryptLabel1.SetCaption("Inny napis");
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(info_.hwnd(), &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &info_.CryptLabel1.Bounds));
    EXPECT_EQ(info_.CryptLabel1.DrawnText(), "Inny napis");
}

}  // namespace
}  // namespace velk
