#pragma once
// A window's descendant by its control id (and its class, when given),
// however deep in pages, group boxes and combo boxes; the tests of both
// tiers find the dialogs' controls so.
#include <windows.h>

namespace velk::test {

inline HWND DescendantWithId(HWND root, int id, const wchar_t* className = nullptr) {
    struct Query {
        int id;
        const wchar_t* className;
        HWND found;
    } query{id, className, nullptr};
    EnumChildWindows(
        root,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* query = reinterpret_cast<Query*>(lParam);
            if (GetDlgCtrlID(hwnd) != query->id) return TRUE;
            if (query->className) {
                wchar_t name[64] = {};
                GetClassNameW(hwnd, name, 64);
                if (_wcsicmp(name, query->className) != 0) return TRUE;
            }
            query->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

}  // namespace velk::test
