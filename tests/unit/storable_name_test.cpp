// A chosen path the code page cannot hold is stored by its short name only
// where that converts whole. Stand-ins: ASCII and one answer of the volume.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "core/storable_name.h"

namespace velk {
namespace {

TEST(StorableName, APathIsStoredByItsShortNameOnlyWhereThatConvertsWhole) {
    const auto ascii = [](std::wstring_view text) { return std::ranges::all_of(text, [](auto c) { return c < 128; }); };
    // The path, the volume's short name for it (null: no such file), what is stored.
    const wchar_t* const cases[][3] = {
        {L"C:\\Gry\\a.exe", L"C:\\GRY\\A.EXE", L"C:\\Gry\\a.exe"},  // whole as it is
        {L"C:\\Игры\\я.exe", L"C:\\D0B8~1\\D18F.EXE", L"C:\\D0B8~1\\D18F.EXE"},
        {L"C:\\Игры\\я.exe", L"C:\\Игры\\я.exe", L"C:\\Игры\\я.exe"},  // the volume keeps no short names
        {L"C:\\Игры\\я.exe", L"C:\\D0B8~1\\я.exe", L"C:\\Игры\\я.exe"},  // partly short, not whole
        {L"C:\\Игры\\ю.exe", nullptr, L"C:\\Игры\\ю.exe"},
    };
    for (const auto& [path, shortName, stored] : cases)
        EXPECT_EQ(std::wstring_view(StorableName(path, ascii, [answer = shortName](auto) { return answer; })), stored);
}

}  // namespace
}  // namespace velk
