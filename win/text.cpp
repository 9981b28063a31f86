#include "win/text.h"

#include <windows.h>

#include <climits>

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

std::string ToCp1250(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int size = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(kCentralEuropean, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string bytes(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(kCentralEuropean, 0, text.data(), size, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

}  // namespace velk
