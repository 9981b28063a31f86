// Where dropped files go on the panel, and the names they are shown by.
#include <gtest/gtest.h>

#include "app/drop_slots.h"
#include "core/dropped_name.h"

namespace velk {
namespace {

TEST(DropSlots, ALineReachesToTheNextAndBelowTheLastIsNone) {
    // The height, the dpi, the slot (0-based). Label 20 ends at 338 + 14.
    const int cases[][3] = {{-3, 96, 0},   {0, 96, 0},    {24, 96, 0},   {25, 96, 1},   {42, 96, 1},
                            {351, 96, 19}, {352, 96, -1}, {361, 96, -1}, {37, 144, 0},  {38, 144, 1}};
    for (const auto& [y, dpi, slot] : cases) EXPECT_EQ(SlotAtHeight(y, dpi), slot) << y << " at " << dpi;
}

TEST(DropSlots, EachFileTakesTheFirstUnusedAtOrBelowItsLineElseFromTheTop) {
    std::array<ShortcutEntry, kSlotCount> slots;
    for (auto& slot : slots) slot.Text = "x";
    slots[1].Text = "_NIC";
    slots[4].Text = "";
    slots[6].Text = "_ZEGAR";
    slots[19].Text = "";
    // The line, the slot the next file fills; each filled in turn.
    const int order[][2] = {{3, 4}, {3, 19}, {3, 1}, {3, -1}};
    for (const auto& [line, slot] : order) {
        EXPECT_EQ(SlotForDrop(slots, line), slot) << line;
        if (slot >= 0) slots[slot].Text = "plik";
    }
    slots[1].Text = slots[19].Text = "";
    EXPECT_EQ(SlotForDrop(slots, -1), 1) << "below the last line: the first unused";
    EXPECT_EQ(SlotForDrop(slots, 19), 19);
}

TEST(DroppedName, TheLastPartAShortcutWithoutItsExtension) {
    const wchar_t* const cases[][2] = {
        {L"C:\\Programy\\Gra.exe", L"Gra.exe"}, {L"C:\\Menu\\Notatnik.lnk", L"Notatnik"},
        {L"C:\\Menu\\Kalk.LNK", L"Kalk"},       {L"C:\\a\\plik.lnk.txt", L"plik.lnk.txt"},
        {L"C:\\Dokumenty", L"Dokumenty"},       {L"D:\\", L"D:"},
        {L"\\\\serwer\\dział", L"dział"},      {L"C:\\a\\.lnk", L".lnk"},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(DroppedName(path), name) << path;
}

}  // namespace
}  // namespace velk
