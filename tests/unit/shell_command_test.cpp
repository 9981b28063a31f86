// Commands as users type them, resolved over a stand-in file system: what
// the shell is given as file, parameters and working folder.
#include <gtest/gtest.h>

#include <map>

#include "core/shell_command.h"

namespace velk {
namespace {

// Windows answers for "a\..\b" as for "b": listed as the program asks.
const std::map<std::wstring, PathKind> kDisk{
    {L"C:\\Program Files", PathKind::Folder},         {L"C:\\Program Files\\Foo\\foo.exe", PathKind::File},
    {L"D:\\My", PathKind::File},  {L"D:\\My.exe", PathKind::File},  {L"D:\\My Tools\\x.exe", PathKind::File},
    {L"D:\\Velk\\.\\narzędzia\\x.exe", PathKind::File}, {L"D:\\Velk\\..\\x.exe", PathKind::File},
    {L"D:\\Velk\\dane\\plik.txt", PathKind::File},     {L"D:\\Velk\\notatki.txt", PathKind::File},
    {L"C:\\Users\\Ala\\Skrót.LNK", PathKind::File},  {L"C:x.exe", PathKind::File},  {L"C:\\Program.exe", PathKind::File},
};

TEST(ShellCommand, IsExpandedOpenedWholeOrSplitAtTheLongestExistingFile) {
    const CommandSystem system{
        .programDir = L"D:\\Velk\\",
        .expandVariables = [](const std::wstring& text) {
            return text.starts_with(L"%PF%") ? L"C:\\Program Files" + text.substr(4) : text;
        },
        .kindOf = [](const std::wstring& path) { return kDisk.contains(path) ? kDisk.at(path) : PathKind::Missing; }};
    const wchar_t* const foo = L"C:\\Program Files\\Foo\\foo.exe";
    const wchar_t* const fooDir = L"C:\\Program Files\\Foo";
    // The command; the file, its parameters and working folder the shell gets.
    const ShellCommand cases[][2] = {
        {{foo}, {foo, L"", fooDir}},
        {{L"  \"C:\\Program Files\\Foo\\foo.exe\"  -x \"a b\"  "}, {foo, L"-x \"a b\"", fooDir}},
        {{L"C:\\Program Files\\Foo\\foo.exe -x"}, {foo, L"-x", fooDir}},
        {{L"%PF%\\Foo\\foo.exe -x"}, {foo, L"-x", fooDir}},       // a variable's value with a blank
        {{L"D:\\My Tools\\x.exe -a b"}, {L"D:\\My Tools\\x.exe", L"-a b", L"D:\\My Tools"}},  // not a planted D:\My
        {{L"C:\\Program Files\\Foo\\foo -x"}, {L"C:\\Program Files\\Foo\\foo -x"}},  // never C:\Program.exe
        {{L"D:\\My.exe  -a"}, {L"D:\\My.exe", L"-a", L"D:\\"}},
        {{L".\\narzędzia\\x.exe \"a b\" c"}, {L"D:\\Velk\\.\\narzędzia\\x.exe", L"\"a b\" c", L"D:\\Velk\\.\\narzędzia"}},
        {{L"..\\x.exe"}, {L"D:\\Velk\\..\\x.exe", L"", L"D:\\Velk\\.."}},
        {{L"C:x.exe"}, {L"C:x.exe"}},  // in the drive's working folder
        {{L"dane\\plik.txt"}, {L"D:\\Velk\\dane\\plik.txt", L"", L"D:\\Velk\\dane"}},
        {{L"dane\\brak"}, {L"D:\\Velk\\dane\\brak"}},
        {{L"notatki.txt"}, {L"D:\\Velk\\notatki.txt", L"", L"D:\\Velk"}},
        {{L"notepad.exe C:\\notatki.txt"}, {L"notepad.exe", L"C:\\notatki.txt"}},  // looked up by the shell
        {{L"notepad C:\\notatki.txt"}, {L"notepad C:\\notatki.txt"}},
        {{L"notepad"}, {L"notepad"}},
        {{L"C:\\Program Files"}, {L"C:\\Program Files"}},
        {{L"C:\\Users\\Ala\\Skrót.LNK"}, {L"C:\\Users\\Ala\\Skrót.LNK"}},  // keeps its own folder
        {{L"https://example.com/a b"}, {L"https://example.com/a b"}},
        {{L"mailto:ala@example.com"}, {L"mailto:ala@example.com"}},
        {{L"ms-settings:display"}, {L"ms-settings:display"}},
        {{L"shell:startup"}, {L"shell:startup"}},
        {{L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"}, {L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"}},
        {{L"_NIC"}, {L"_NIC"}},  // a keyword only as a text; a name here, left to the shell
        {{L"_shutdown"}, {L"_shutdown"}},
        {{L"\"\" x"}, {}},
        {{L"   "}, {}},
    };
    for (const auto& [command, expected] : cases)
        EXPECT_EQ(ResolveCommand(command.file, system), expected) << std::string(command.file.begin(), command.file.end());
}

}  // namespace
}  // namespace velk
