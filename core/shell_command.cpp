#include "core/shell_command.h"

namespace velk {

namespace {

// Plain loops over the characters: the program's other text code leaves
// string_view's searches uninstantiated, and they would cost more than these.
constexpr wchar_t kBlank = L' ';

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring_view TrimmedLeft(std::wstring_view text) {
    size_t first = 0;
    while (first < text.size() && text[first] == kBlank) ++first;
    return {text.data() + first, text.size() - first};
}

std::wstring_view Trimmed(std::wstring_view text) {
    text = TrimmedLeft(text);
    size_t end = text.size();
    while (end > 0 && text[end - 1] == kBlank) --end;
    return {text.data(), end};
}

// "https:", "mailto:", "shell:", "ms-settings:", "::{CLSID}": a colon
// before any path separator, blank or quote, which is not a drive letter's.
bool IsShellName(std::wstring_view text) {
    for (size_t at = 0; at < text.size() && text[at] != kBlank && text[at] != L'"' && !IsSeparator(text[at]); ++at)
        if (text[at] == L':') return at != 1;
    return false;
}

bool IsAbsolute(std::wstring_view path) {
    return (path.size() >= 2 && path[1] == L':') || (!path.empty() && IsSeparator(path[0]));
}

bool IsBareName(std::wstring_view part) {
    for (const wchar_t c : part)
        if (c == L':' || IsSeparator(c)) return false;
    return true;
}

bool HasExtension(std::wstring_view name) {
    for (size_t dot = name.size(); dot-- > 0;)
        if (name[dot] == L'.') return dot + 1 < name.size();
    return false;
}

bool IsLink(std::wstring_view path) {
    if (path.size() < 4) return false;
    const wchar_t* end = path.data() + path.size() - 4;
    return end[0] == L'.' && (end[1] | 0x20) == L'l' && (end[2] | 0x20) == L'n' && (end[3] | 0x20) == L'k';
}

// Without a trailing backslash, except a drive's root: "C:" alone is the
// drive's working folder. None for "C:x.exe", in the drive's working folder.
size_t FolderLength(const std::wstring& file) {
    const size_t end = file.find_last_of(L"\\/");
    if (end == std::wstring::npos) return 0;
    return end == 2 && file[1] == L':' ? 3 : end;
}

// The part's full path and what it names: an absolute path as it is, a
// relative one from the program's folder; a bare name that is not there
// stays as it is, for the shell to look up.
PathKind Locate(std::wstring_view part, const CommandSystem& system, std::wstring& path) {
    path.clear();
    if (!IsAbsolute(part)) path = system.programDir;
    path.append(part.data(), part.size());
    const PathKind kind = system.kindOf(path);
    if (kind == PathKind::Missing && IsBareName(part)) path.assign(part.data(), part.size());
    return kind;
}

// Where the longest leading part ending at a blank that names a file ends
// (its path and kind given), or 0. The text begins with no blank.
size_t LongestFileEnd(std::wstring_view text, const CommandSystem& system, std::wstring& path, PathKind& kind) {
    for (size_t end = text.size(); --end > 0;)
        if (text[end] == kBlank && text[end - 1] != kBlank &&
            (kind = Locate({text.data(), end}, system, path)) == PathKind::File)
            return end;
    kind = PathKind::Missing;
    return 0;
}

}  // namespace

ShellCommand ResolveCommand(const std::wstring& command, const CommandSystem& system) {
    const std::wstring expanded = system.expandVariables(command);
    const std::wstring_view text = Trimmed(expanded);
    ShellCommand opened;
    if (text.empty() || IsShellName(text)) {
        opened.file.assign(text.data(), text.size());
        return opened;
    }
    size_t parameters = text.size();
    PathKind kind = PathKind::Missing;
    if (text[0] == L'"') {  // a quote is never part of a file's name
        size_t close = 1;
        while (close < text.size() && text[close] != L'"') ++close;
        if (close == 1) return opened;
        kind = Locate({text.data() + 1, close - 1}, system, opened.file);
        parameters = close + (close < text.size());
    } else if ((kind = Locate(text, system, opened.file)) == PathKind::Missing &&
               !(parameters = LongestFileEnd(text, system, opened.file, kind))) {
        // Only a bare first word with its extension is the shell's to look up.
        size_t word = 0;
        while (word < text.size() && text[word] != kBlank) ++word;
        parameters = text.size();
        if (word < text.size()) {
            if (IsBareName({text.data(), word}) && HasExtension({text.data(), word})) parameters = word;
            opened.file.assign(text.data(), parameters);
        }
    }
    opened.parameters = TrimmedLeft({text.data() + parameters, text.size() - parameters});
    if (kind == PathKind::File && !IsLink(opened.file))
        opened.directory.assign(opened.file.data(), FolderLength(opened.file));
    return opened;
}

}  // namespace velk
