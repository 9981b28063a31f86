// The owners of handles and GDI objects release what they hold, exactly once,
// with the call that matches the acquire; the text conversion keeps Polish.
#include <gtest/gtest.h>

#include "ui/label.h"
#include "win/back_buffer.h"
#include "win/handles.h"
#include "win/object_count.h"
#include "win/stored_color.h"
#include "win/text.h"

namespace velk {
namespace {

bool IsLiveGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

TEST(Handles, GdiObjectsAreDeletedOnResetMoveAndScopeEnd) {
    HBRUSH raw = nullptr;
    {
        Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
        raw = brush.get();
        ASSERT_TRUE(IsLiveGdiObject(raw));
        Brush moved(std::move(brush));
        EXPECT_FALSE(brush);
        EXPECT_EQ(moved.get(), raw);
        EXPECT_TRUE(IsLiveGdiObject(raw));
    }
    EXPECT_FALSE(IsLiveGdiObject(raw));

    Font font(CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, L"Arial"));
    HFONT first = font.get();
    font.reset(CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, L"Arial"));
    EXPECT_FALSE(IsLiveGdiObject(first));
    EXPECT_TRUE(IsLiveGdiObject(font.get()));
}

TEST(Handles, SelectGuardRestoresThePreviousObject) {
    ClientDc screen(nullptr);
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    const HGDIOBJ before = GetCurrentObject(dc.get(), OBJ_FONT);
    Font font(CreateFontW(-11, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    {
        SelectGuard select(dc.get(), font.get());
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), font.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), before);
}

TEST(Handles, BackBufferDeselectsAndDeletesItsBitmap) {
    ClientDc screen(nullptr);
    HBITMAP bitmap = nullptr;
    {
        BackBuffer buffer(screen.get(), 40, 30);
        ASSERT_TRUE(buffer);
        bitmap = static_cast<HBITMAP>(GetCurrentObject(buffer.dc(), OBJ_BITMAP));
        BITMAP facts{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof facts, &facts), static_cast<int>(sizeof facts));
        EXPECT_EQ(facts.bmWidth, 40);
        EXPECT_EQ(facts.bmHeight, 30);
    }
    EXPECT_FALSE(IsLiveGdiObject(bitmap));
}

TEST(Handles, ManyPaintsLeakNothing) {
    // Counted by the owners themselves: GetGuiResources is a stub under Wine
    // (always 0).
    ClientDc screen(nullptr);
    Font font(CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, L"Arial"));
    Label label{RECT{8, 8, 123, 22}, true, L"Zażółć", Alignment::Centre, RGB(255, 255, 255)};
    const long before = LiveObjects();
    for (int paint = 0; paint < 300; ++paint) {
        BackBuffer buffer(screen.get(), 130, 362);
        ASSERT_TRUE(buffer) << "paint " << paint;
        if (paint == 0) {
            ASSERT_GT(LiveObjects(), before) << "a live buffer is counted";
        }
        label.Draw(buffer.dc(), font.get());
    }
    EXPECT_EQ(LiveObjects(), before);
}

TEST(Text, PolishLettersSurviveBothWays) {
    const std::string bytes = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    const std::wstring text = L"ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
    EXPECT_EQ(FromCp1250(bytes), text);
    EXPECT_EQ(ToCp1250(text), bytes);
    EXPECT_EQ(FromCp1250(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
    EXPECT_EQ(FromCp1250(""), L"");
}

TEST(Colors, SystemColoursResolveThroughTheSystem) {
    EXPECT_EQ(ResolveColor(0x00FF8040), RGB(0x40, 0x80, 0xFF));
    EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x80000001u)), GetSysColor(COLOR_BACKGROUND));
    EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x12345678)), static_cast<COLORREF>(0x345678));
}

}  // namespace
}  // namespace velk
