#pragma once
// A window's descendant by its control id, however deep in pages and group
// boxes; the tests of both tiers find the dialogs' controls so.
#include <windows.h>

namespace velk::test {

inline HWND DescendantWithId(HWND root, int id) {
    struct Query {
        int id;
        HWND found;
    } query{id, nullptr};
    EnumChildWindows(
        root,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* query = reinterpret_cast<Query*>(lParam);
            if (GetDlgCtrlID(hwnd) != query->id) return TRUE;
            query->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

}  // namespace velk::test
