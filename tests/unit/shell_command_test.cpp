// Commands as users type them, resolved over a stand-in file system: what
// the shell is given as file, parameters and working folder.
#include <gtest/gtest.h>

#include <set>

#include "core/shell_command.h"

namespace velk {
namespace {

// Windows answers for "a\.\b" as for "a\b": listed as the program asks.
const std::set<std::wstring> kFiles{L"C:\\Program Files\\Foo\\foo.exe", L"D:\\My", L"D:\\My.exe",
                                    L"D:\\My Tools\\x.exe", L"D:\\Velk\\.\\bin\\x.exe", L"D:\\Velk\\notatki.txt",
                                    L"C:\\Users\\Ala\\Skrót.LNK", L"C:x.exe", L"C:\\Program.exe"};

TEST(ShellCommand, IsExpandedOpenedWholeOrSplitAtTheLongestExistingFile) {
    const CommandSystem system{
        .programDir = L"D:\\Velk\\",
        .expandVariables = [](const std::wstring& text) {
            return text.starts_with(L"%PF%") ? L"C:\\Program Files" + text.substr(4) : text;
        },
        .kindOf = [](const std::wstring& path) {
            if (kFiles.contains(path)) return PathKind::File;
            return path == L"C:\\Program Files" ? PathKind::Folder : PathKind::Missing;
        }};
    const wchar_t* const foo = L"C:\\Program Files\\Foo\\foo.exe";
    const wchar_t* const fooDir = L"C:\\Program Files\\Foo";
    // The command; the file, its parameters and working folder the shell gets.
    const ShellCommand cases[][2] = {
        {{foo}, {foo, L"", fooDir}},
        {{L"  \"C:\\Program Files\\Foo\\foo.exe\"  -x \"a b\"  "}, {foo, L"-x \"a b\"", fooDir}},
        {{L"C:\\Program Files\\Foo\\foo.exe -x"}, {foo, L"-x", fooDir}},
        {{L"%PF%\\Foo\\foo.exe -x"}, {foo, L"-x", fooDir}},  // a variable's value with a blank
        {{L"D:\\My Tools\\x.exe -a b"}, {L"D:\\My Tools\\x.exe", L"-a b", L"D:\\My Tools"}},  // not a planted D:\My
        {{L"D:\\My.exe  -a"}, {L"D:\\My.exe", L"-a", L"D:\\"}},
        {{L".\\bin\\x.exe \"a b\" c"}, {L"D:\\Velk\\.\\bin\\x.exe", L"\"a b\" c", L"D:\\Velk\\.\\bin"}},
        {{L"dane\\brak"}, {L"D:\\Velk\\dane\\brak"}},
        {{L"notatki.txt"}, {L"D:\\Velk\\notatki.txt", L"", L"D:\\Velk"}},
        {{L"notepad.exe C:\\notatki.txt"}, {L"notepad.exe", L"C:\\notatki.txt"}},  // looked up by the shell
        {{L"\"\" x"}, {}},
        {{L"   "}, {}},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(ResolveCommand(typed.file, system), expected) << std::string(typed.file.begin(), typed.file.end());
    // To the shell as typed, without a working folder: a folder, a link (it
    // keeps its own), URLs and shell names, a name made like a keyword, what
    // only an added extension would find (never C:\Program.exe), "C:x.exe".
    for (const wchar_t* whole : {L"C:\\Program Files", L"C:\\Users\\Ala\\Skrót.LNK", L"https://example.com/a b",
                                 L"shell:startup", L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", L"_shutdown",
                                 L"notepad C:\\notatki.txt", L"C:\\Program Files\\Foo\\foo -x", L"C:x.exe"})
        EXPECT_EQ(ResolveCommand(whole, system), ShellCommand{whole}) << std::string(whole, whole + wcslen(whole));
}

}  // namespace
}  // namespace velk
