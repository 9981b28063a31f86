#pragma once
// The help beside the program: pomoc.html, or else an old velk.hlp, which
// those upgrading may still have (Windows 10 and 11 show no WinHelp file).
#include <string>

namespace velk {

// The full name of the help file in the folder (given with its trailing
// backslash); empty when neither file exists there.
template <typename FileExists>
std::wstring HelpFileIn(const std::wstring& folder, FileExists exists) {
    for (const wchar_t* name : {L"pomoc.html", L"velk.hlp"})
        if (exists(folder + name)) return folder + name;
    return {};
}

}  // namespace velk
