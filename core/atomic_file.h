#pragma once
// Replacing a file's whole content so that it is never lost: the new content
// goes to a temporary file beside it, is flushed to the disk, and takes the
// old file's place in one step, the old file going to a backup name beside
// it. Where that step stops halfway, the old file is put back; the temporary
// and the backup are removed only once the file holds its old content or its
// new. Where no file can be made beside it at all (a folder the user may not
// add to, a file the user may change), the file is written in place, as it
// always was before the temporary file. The steps are an interface, so their
// order is tested natively against a fake file system.
#include <string>
#include <string_view>

#include "core/file_error.h"

namespace velk {

class FileSteps {
public:
    virtual ~FileSteps() = default;
    // Creates a new empty file in the target's folder and opens it for
    // writing; its name in *temporary, and a name beside it that no file
    // has in *backup.
    virtual FileError CreateTemporary(const std::wstring& target, std::wstring* temporary, std::wstring* backup) = 0;
    virtual FileError Write(std::string_view bytes) = 0;
    virtual FileError Flush() = 0;  // down to the disk, not only to the system's cache
    virtual FileError Close() = 0;
    // Puts the closed temporary file in the target's place and the target's
    // old file under the backup name, or only moves the temporary file there
    // when there is no target yet; a read-only target is refused. Windows
    // documents how it can stop halfway: after UnableToRemoveReplaced and
    // UnableToMoveReplacement both files keep their names; after
    // UnableToMoveReplacement2 the old file is under the backup name and the
    // target is missing.
    virtual FileError Replace(const std::wstring& temporary, const std::wstring& target,
                              const std::wstring& backup) = 0;
    // Renames a file to a name that is free.
    virtual FileError Move(const std::wstring& from, const std::wstring& to) = 0;
    virtual bool Exists(const std::wstring& path) = 0;
    virtual void Delete(const std::wstring& path) = 0;
    // Waits a twentieth of a second for another program to let go of a file.
    virtual void Pause() = 0;
    // Overwrites the existing target's content where it stands; a missing or
    // read-only target is refused.
    virtual bool WriteInPlace(const std::wstring& target, std::string_view bytes) = 0;
};

// A virus scanner, the indexer or a sync client holds a file for a moment:
// the replacement is tried again after each of this many pauses, half a
// second in all.
inline constexpr int kReplacePauses = 10;

// FileError::None when the target now holds exactly the bytes; otherwise why
// the failing step failed (where the file was written in place, why no file
// could be made beside it), the target holding its old bytes or the new,
// never nothing.
FileError SaveAtomically(FileSteps& steps, const std::wstring& target, std::string_view bytes);

}  // namespace velk
