// The Startup folder's shortcut: its name for a folder, Task Manager's
// switch, and what the check mark shows.
#include <gtest/gtest.h>

#include "core/startup_entry.h"

namespace velk {
namespace {

TEST(StartupEntry, TheShortcutIsNamedForTheProgramsFolder) {
    const wchar_t* const cases[][2] = {
        {L"C:\\Programy\\velk\\", L"S\\VELK (C - Programy - velk).lnk"},
        {L"D:\\Praca\\velk\\", L"S\\VELK (D - Praca - velk).lnk"},
        {L"D:\\", L"S\\VELK (D).lnk"},
        {L"\\\\serwer\\dział\\velk\\", L"S\\VELK (serwer - dział - velk).lnk"},
    };
    for (const auto& [folder, path] : cases) {
        std::wstring link;
        EXPECT_EQ(StartupLinkPath(L"S", folder, link), 2u);
        EXPECT_EQ(link, path);
    }
}

TEST(StartupEntry, AnOddFirstByteIsTurnedOffInTaskManager) {
    for (const uint8_t on : {0x00, 0x02, 0x06}) EXPECT_FALSE(TurnedOffInTaskManager(on)) << int(on);
    for (const uint8_t off : {0x01, 0x03, 0x07}) EXPECT_TRUE(TurnedOffInTaskManager(off)) << int(off);
}

TEST(StartupEntry, TheCheckMarkIsSetOnlyForThisProgramsShortcutNotTurnedOff) {
    using enum StartupState;
    // Exists, starts this velk.exe, turned off: the state.
    const std::tuple<bool, bool, bool, StartupState> cases[] = {
        {false, false, false, NotSet}, {false, false, true, NotSet}, {true, true, false, Set},
        {true, false, false, NotSet},  // a moved copy's: ticking makes it right
        {true, true, true, TurnedOff}, {true, false, true, TurnedOff},
    };
    for (const auto& [exists, starts, off, state] : cases)
        EXPECT_EQ(StartupStateOf(exists, starts, off), state) << exists << starts << off;
}

}  // namespace
}  // namespace velk
