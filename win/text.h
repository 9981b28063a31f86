#pragma once
// The one place where text changes form: files and settings hold code-page-1250
// bytes, the Windows API takes UTF-16. Code page 1250 is named explicitly so
// Polish letters come out right whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace velk {

std::wstring FromCp1250(std::string_view bytes);
// A character that code page 1250 has no byte for becomes '?', never a
// look-alike letter ("à" is not "a"), and sets *lost (which is never
// cleared, so that one flag can watch several texts).
std::string ToCp1250(std::wstring_view text, bool* lost = nullptr);
// A chosen file's path, in a room of that many characters, becomes one the
// settings file can hold where it can (core/storable_name.h): itself, or its
// short name.
void TakeStorableName(wchar_t* path, size_t room);

}  // namespace velk
