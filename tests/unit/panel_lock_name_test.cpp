// The running panel's lock name: one per folder, the same for the same
// folder. Expected names are FNV-1a 64 of the path's UTF-16LE bytes,
// computed apart from the program (the empty path gives the offset basis).
#include <gtest/gtest.h>

#include "core/panel_lock_name.h"

namespace velk {
namespace {

TEST(PanelLockName, IsTheSessionsNameOfTheFoldersHash) {
    const struct {
        const wchar_t* folder;
        const wchar_t* name;
    } cases[] = {
        {L"", L"Local\\VELK-panel-cbf29ce484222325"},
        {L"C:\\PROGRAMY\\VELK\\", L"Local\\VELK-panel-f17d305360c4cc81"},
        {L"C:\\PROGRAMY\\VELK2\\", L"Local\\VELK-panel-9d7e16c2425cb7cb"},
        {L"D:\\ZA\u017B\u00D3\u0141\u0106\\", L"Local\\VELK-panel-0a6b6bc2f93a7a78"},
    };
    for (const auto& c : cases) EXPECT_EQ(PanelLockName(c.folder), c.name) << c.folder;
}

}  // namespace
}  // namespace velk
