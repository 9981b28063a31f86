#include "core/startup_entry.h"

namespace velk {

size_t StartupLinkPath(std::wstring_view startupFolder, std::wstring_view programFolder, std::wstring& link) {
    link = startupFolder;
    link += L'\\';
    const size_t name = link.size();
    link += L"VELK (";
    // A file name holds neither ':' nor '\': the folder's parts are joined
    // by " - ", with no empty part ("\\server\share") and without the
    // trailing backslash.
    for (size_t i = 0; i + 1 < programFolder.size(); ++i) {
        const wchar_t c = programFolder[i];
        if (c == L'\\') {
            if (link.back() != L'(') link += L" - ";
        } else if (c != L':') {
            link.append(&c, 1);
        }
    }
    link += L").lnk";
    return name;
}

}  // namespace velk
