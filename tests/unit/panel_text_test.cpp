#include "app/help_file.h"
#include "app/panel_text.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

std::array<ShortcutEntry, kSlotCount> SlotsUsed(std::initializer_list<int> used) {
    std::array<ShortcutEntry, kSlotCount> slots;
    for (int slot : used) slots[slot - 1].Text = "x";
    return slots;
}

TEST(PanelHeight, FollowsTheLastRunOfUnusedSlots) {
    EXPECT_EQ(PanelClientHeight(TrailingEmptyTop(SlotsUsed({1, 2}))), 43);
    EXPECT_EQ(PanelClientHeight(TrailingEmptyTop(SlotsUsed({1, 2, 3, 4, 5}))), 95);
    EXPECT_EQ(PanelClientHeight(TrailingEmptyTop(SlotsUsed({}))), 8);
    EXPECT_EQ(PanelClientHeight(TrailingEmptyTop(SlotsUsed({20}))), 362);
    EXPECT_EQ(PanelClientHeight(TrailingEmptyTop(SlotsUsed({1, 20}))), 362);
    // A gap between used slots stays a gap; only the trailing run counts.
    EXPECT_EQ(PanelClientHeight(TrailingEmptyTop(SlotsUsed({1, 7}))), kLabelTops[7]);
}

TEST(PanelScale, DesignValuesScaleOneByOneWithTheSystemsRounding) {
    struct Case {
        int dpi;
        PanelSize full, twoSlots;
        LabelPlace second;
        int font;
    };
    // 120 dpi: 362 * 1.25 = 452.5 and 11 * 1.25 = 13.75 round away from zero.
    const Case cases[] = {
        {96, {130, 362}, {130, 43}, {8, 25, 123, 39}, 11},
        {120, {163, 453}, {163, 54}, {10, 31, 154, 49}, 14},
        {144, {195, 543}, {195, 65}, {12, 38, 185, 59}, 17},
        {192, {260, 724}, {260, 86}, {16, 50, 246, 78}, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const PanelSize full = PanelClientSize(TrailingEmptyTop(SlotsUsed({20})), c.dpi);
        const PanelSize two = PanelClientSize(TrailingEmptyTop(SlotsUsed({1, 2})), c.dpi);
        EXPECT_EQ(full.width, c.full.width);
        EXPECT_EQ(full.height, c.full.height);
        EXPECT_EQ(two.width, c.twoSlots.width);
        EXPECT_EQ(two.height, c.twoSlots.height);
        const LabelPlace second = LabelPlaceAt(1, c.dpi);
        EXPECT_EQ(second.left, c.second.left);
        EXPECT_EQ(second.top, c.second.top);
        EXPECT_EQ(second.right, c.second.right);
        EXPECT_EQ(second.bottom, c.second.bottom);
        EXPECT_EQ(PanelFontHeight(c.dpi), c.font);
        // The last label still ends inside the full panel.
        EXPECT_LE(LabelPlaceAt(kSlotCount - 1, c.dpi).bottom, full.height);
    }
}

TEST(PanelHeight, KeywordSlotsCountAsUsedAndNicAsUnused) {
    auto slots = SlotsUsed({});
    slots[2].Text = "_ZEGAR";
    slots[3].Text = "_NIC";
    slots[3].Command = "notepad.exe";
    EXPECT_EQ(TrailingEmptyTop(slots), kLabelTops[3]);
}

TEST(SlotKinds, KeywordsAreExact) {
    EXPECT_EQ(ClassifySlot(""), SlotKind::Unused);
    EXPECT_EQ(ClassifySlot("_NIC"), SlotKind::Unused);
    EXPECT_EQ(ClassifySlot("_ZEGAR"), SlotKind::Clock);
    EXPECT_EQ(ClassifySlot("_DATA"), SlotKind::Date);
    for (const char* text : {"_nic", " _NIC", "_ZEGAR ", "_zegar", "_Data", " "})
        EXPECT_EQ(ClassifySlot(text), SlotKind::Ordinary) << '"' << text << '"';
}

TEST(SlotKinds, AlignmentCodes) {
    EXPECT_EQ(AlignFromCode("L"), Alignment::Left);
    EXPECT_EQ(AlignFromCode("P"), Alignment::Right);
    for (const char* code : {"", "l", "p", "Left", "L ", "C"}) EXPECT_EQ(AlignFromCode(code), Alignment::Centre) << code;
}

TEST(ClockTexts, PlainDecimalWithSpacedSeparators) {
    EXPECT_EQ(ClockText(9, 5, 7, true), "9 : 5 : 7");
    EXPECT_EQ(ClockText(9, 5, 7, false), "9 : 5");
    EXPECT_EQ(ClockText(0, 0, 0, true), "0 : 0 : 0");
    EXPECT_EQ(ClockText(23, 59, 59, true), "23 : 59 : 59");
    EXPECT_EQ(DateText(6, 12, 2026), "6 . 12 . 2026");
    EXPECT_EQ(DateText(1, 1, 2000), "1 . 1 . 2000");
}

TEST(PowerKeywords, OnlyExactCommands) {
    EXPECT_EQ(PowerActionFor("_SHUTDOWN"), PowerAction::Shutdown);
    EXPECT_EQ(PowerActionFor("_REBOOT"), PowerAction::Reboot);
    EXPECT_EQ(PowerActionFor("_LOGOFF"), PowerAction::Logoff);
    for (const char* command : {"_shutdown", "_NIC", "_SHUTDOWN ", "", "notepad.exe"})
        EXPECT_EQ(PowerActionFor(command), PowerAction::None) << command;
}

TEST(HelpFile, IsPomocHtmlElseAnOldVelkHlpBesideTheProgramElseNone) {
    using Case = std::pair<std::wstring, std::wstring>;  // the files there, in one text; the help
    for (const auto& [files, help] : {Case{L"D:\\v\\pomoc.html D:\\v\\velk.hlp", L"D:\\v\\pomoc.html"},
                                      Case{L"D:\\v\\velk.hlp", L"D:\\v\\velk.hlp"},
                                      Case{L"D:\\pomoc.html D:\\velk.hlp", L""}})
        EXPECT_EQ(HelpFileIn(L"D:\\v\\", [&](const std::wstring& path) { return files.find(path) != files.npos; }), help);
}

}  // namespace
}  // namespace velk
