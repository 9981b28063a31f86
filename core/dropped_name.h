#pragma once
// The text a dropped file is shown by when the shell cannot name it (a path
// it cannot reach): the name in its path. No Windows header: tested natively.
#include <string_view>

namespace velk {

// The last part of the path, a drive as "D:"; a shortcut without its
// ".lnk", as Explorer never shows it. A name that would be left empty stays
// whole.
std::wstring_view DroppedName(std::wstring_view path);

}  // namespace velk
