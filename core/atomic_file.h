#pragma once
// Replacing a file's whole content so that it is never lost: the new content
// goes to a temporary file beside it, is flushed to the disk, and takes the
// old file's place in one step. A failure at any step removes the temporary
// file and leaves the old one as it was. Where no file can be made beside it
// at all (a folder the user may not add to, a file the user may change), the
// file is written in place, as it always was before the temporary file. The
// steps are an interface, so their order is tested natively against a fake
// file system.
#include <string>
#include <string_view>

namespace velk {

class FileSteps {
public:
    virtual ~FileSteps() = default;
    // Creates a new empty file in the target's folder and opens it for
    // writing; its name in *temporary. False when none can be made.
    virtual bool CreateTemporary(const std::wstring& target, std::wstring* temporary) = 0;
    virtual bool Write(std::string_view bytes) = 0;
    virtual bool Flush() = 0;  // down to the disk, not only to the system's cache
    virtual bool Close() = 0;
    // Puts the closed temporary file in the target's place in one step; a
    // read-only target is refused.
    virtual bool Replace(const std::wstring& temporary, const std::wstring& target) = 0;
    virtual void Delete(const std::wstring& temporary) = 0;
    // Overwrites the existing target's content where it stands; a missing or
    // read-only target is refused.
    virtual bool WriteInPlace(const std::wstring& target, std::string_view bytes) = 0;
};

// True when the target now holds exactly the bytes; false when it still holds
// what it held before (or is still missing).
bool SaveAtomically(FileSteps& steps, const std::wstring& target, std::string_view bytes);

}  // namespace velk
