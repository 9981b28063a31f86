// Where dropped files go on the panel and the names they are shown by; the
// Startup folder's shortcut for a folder, Task Manager's switch, the check mark.
#include <gtest/gtest.h>

#include "app/drop_slots.h"
#include "core/dropped_name.h"
#include "core/startup_entry.h"

namespace velk {
namespace {

TEST(DropSlots, EachFileTakesTheFirstUnusedSlotAtOrBelowItsLineElseFromTheTop) {
    // The height, the dpi, the line (0-based): a line reaches to the next; label 20 ends at 338 + 14.
    const int lines[][3] = {{-3, 96, 0}, {24, 96, 0}, {25, 96, 1}, {351, 96, 19}, {352, 96, -1}, {37, 144, 0}, {38, 144, 1}};
    for (const auto& [y, dpi, line] : lines) EXPECT_EQ(SlotAtHeight(y, dpi), line) << y << " at " << dpi;
    std::array<ShortcutEntry, kSlotCount> slots;
    for (auto& slot : slots) slot.Text = "x";
    slots[1].Text = slots[6].Text = "_NIC";
    slots[4].Text = slots[19].Text = "";
    slots[5].Text = "_ZEGAR";
    // From line 3, each filled in turn; then from below the last line.
    for (const auto& [line, slot] : {std::pair{3, 4}, {3, 6}, {3, 19}, {3, 1}, {3, -1}}) {
        EXPECT_EQ(SlotForDrop(slots, line), slot) << line;
        if (slot >= 0) slots[slot].Text = "plik";
    }
    slots[1].Text = slots[19].Text = "";
    EXPECT_EQ(SlotForDrop(slots, -1), 1);
    const wchar_t* const names[][2] = {{L"C:\\Gry\\Gra.exe", L"Gra.exe"}, {L"C:\\Menu\\Notatnik.lnk", L"Notatnik"},
                                       {L"C:\\a\\K.LNK", L"K"}, {L"C:\\a\\b.lnk.txt", L"b.lnk.txt"}, {L"D:\\", L"D:"},
                                       {L"\\\\serwer\\dział", L"dział"}, {L"C:\\a\\.lnk", L".lnk"}};
    for (const auto& [path, name] : names) EXPECT_EQ(DroppedName(path), name) << path;
}

TEST(StartupEntry, NamedForTheProgramsFolderSetOnlyForThisProgramAndAnEvenFirstByte) {
    const wchar_t* const names[][2] = {{L"C:\\Programy\\velk\\", L"S\\VELK (C - Programy - velk).lnk"},
                                       {L"D:\\", L"S\\VELK (D).lnk"},
                                       {L"\\\\serwer\\dział\\velk\\", L"S\\VELK (serwer - dział - velk).lnk"}};
    for (const auto& [folder, path] : names) {
        std::wstring link;
        EXPECT_EQ(StartupLinkPath(L"S", folder, link), 2u);
        EXPECT_EQ(link, path);
    }
    for (const uint8_t on : {0x00, 0x02, 0x06}) EXPECT_FALSE(TurnedOffInTaskManager(on)) << int(on);
    for (const uint8_t off : {0x01, 0x03, 0x07}) EXPECT_TRUE(TurnedOffInTaskManager(off)) << int(off);
    using enum StartupState;
    // Exists, starts this velk.exe (not a moved copy), turned off: the state.
    const std::tuple<bool, bool, bool, StartupState> states[] = {{false, false, false, NotSet}, {false, true, true, NotSet},
                                                                 {true, true, false, Set},     {true, false, false, NotSet},
                                                                 {true, true, true, TurnedOff}, {true, false, true, TurnedOff}};
    for (const auto& [exists, starts, off, state] : states) EXPECT_EQ(StartupStateOf(exists, starts, off), state);
}

}  // namespace
}  // namespace velk
