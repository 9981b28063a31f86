#pragma once
// A chosen file's path that the settings file can hold: code page 1250 has a
// byte for few of the world's letters, and a name stored with a look-alike or
// '?' in place of one opens another file or none. Such a path is taken by its
// short (8.3) name, which names the same file, only where that converts
// whole; otherwise it stays as it is and the save refuses it. The conversion
// check and the short-name query are given, so that the rule is tested
// without Windows.

namespace velk {

// whole(name): true when every character has a byte of its own.
// shortName(path): the path with every part that has a short name given by
// it, or null when there is no such file. Windows 10 and 11 volumes often
// keep no short names: the parts then come back long.
template <class Whole, class ShortName>
const wchar_t* StorableName(const wchar_t* path, Whole whole, ShortName shortName) {
    if (whole(path)) return path;
    const wchar_t* shorter = shortName(path);
    return shorter && whole(shorter) ? shorter : path;
}

}  // namespace velk
