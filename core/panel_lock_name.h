#pragma once
// The name of the kernel object a running panel holds for its program
// folder, in the user's session: what identifies the folder (its file id,
// or its full path already in one letter case), hashed (a path may be
// longer than an object name can be). No Windows header: tested natively.
#include <string>
#include <string_view>

namespace velk {

std::wstring PanelLockName(std::wstring_view folderIdentity);

}  // namespace velk
