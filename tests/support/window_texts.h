#pragma once
// The texts windows show, read the same way by both tiers: WM_GETTEXT is
// carried across processes, so a window of velk.exe reads like one of the
// test's own.
#include <windows.h>

#include <string>
#include <vector>

namespace velk::test {

// The whole text of a window, however long (a memo's log).
inline std::wstring WindowText(HWND hwnd) {
    const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

// The texts of a form's labels (its Static children), in creation order.
inline std::vector<std::wstring> LabelTexts(HWND form) {
    std::vector<std::wstring> texts;
    for (HWND label = FindWindowExW(form, nullptr, L"Static", nullptr); label;
         label = FindWindowExW(form, label, L"Static", nullptr))
        texts.push_back(WindowText(label));
    return texts;
}

}  // namespace velk::test
