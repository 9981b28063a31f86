#include "win/text.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "core/storable_name.h"

namespace velk {

namespace {
constexpr UINT kCentralEuropean = 1250;
}

std::wstring FromCp1250(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int size = static_cast<int>(bytes.size());
    // Every byte of code page 1250 maps to exactly one UTF-16 unit.
    std::wstring text(bytes.size(), L'\0');
    const int written = MultiByteToWideChar(kCentralEuropean, 0, bytes.data(), size, text.data(), size);
    text.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return text;
}

std::string ToCp1250(std::wstring_view text, bool* lost) {
    const int size = text.size() > INT_MAX ? 0 : static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(kCentralEuropean, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, nullptr);
    // One string returned on every path, so that it is never moved.
    std::string bytes(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
    BOOL defaultUsed = FALSE;
    if (needed > 0)
        WideCharToMultiByte(kCentralEuropean, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), needed, nullptr,
                            &defaultUsed);
    if (defaultUsed && lost) *lost = true;
    return bytes;
}

void TakeStorableName(wchar_t* path, size_t room) {
    const auto whole = [](const wchar_t* name) {
        bool lost = false;
        ToCp1250(name, &lost);
        return !lost;
    };
    // The short name is made in the room after the path.
    const size_t end = wcslen(path) + 1;
    wchar_t* const spare = path + end;
    const DWORD spareRoom = static_cast<DWORD>(std::min<size_t>(room - end, MAXDWORD));
    const wchar_t* const name = StorableName(path, whole, [=](const wchar_t* path) -> const wchar_t* {
        // Null where there is no such file or no room for its short name.
        const DWORD length = GetShortPathNameW(path, spare, spareRoom);
        return length > 0 && length < spareRoom ? spare : nullptr;
    });
    if (name == spare) wmemmove(path, spare, wcslen(spare) + 1);
}

}  // namespace velk
