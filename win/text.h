#pragma once
// The one place where text changes form: files and settings hold code-page-1250
// bytes, the Windows API takes UTF-16. Code page 1250 is named explicitly so
// Polish letters come out right whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace velk {

std::wstring FromCp1250(std::string_view bytes);
std::string ToCp1250(std::wstring_view text);

}  // namespace velk
