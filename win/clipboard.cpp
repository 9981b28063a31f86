#include "win/clipboard.h"

#include <algorithm>

namespace velk {

namespace {

// Another program may hold the clipboard open for a moment: Windows' own
// clipboard history opens it after every change (Wine's clipboard manager
// does the same). A short wait, as a paste or copy by hand would not notice.
bool OpenClipboardWhenFree(HWND owner) {
    constexpr int kTries = 20;
    constexpr DWORD kPauseMs = 5;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(kPauseMs);
    }
    return false;
}

}  // namespace

std::wstring ReadClipboardText(HWND owner) {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardWhenFree(owner)) return text;
    // The clipboard's memory stays the clipboard's: only read here.
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
            text.assign(chars, std::find(chars, chars + capacity, L'\0'));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool WriteClipboardText(HWND owner, std::wstring_view text) {
    if (!OpenClipboardWhenFree(owner)) return false;
    EmptyClipboard();
    bool placed = false;
    // Once placed, the memory belongs to the clipboard.
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
            std::copy_n(text.data(), text.size(), target);
            target[text.size()] = L'\0';
            GlobalUnlock(memory);
            placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!placed) GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

}  // namespace velk
