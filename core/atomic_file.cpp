#include "core/atomic_file.h"

namespace velk {

namespace {

// Another program's moment's hold on a file: the replacement changed nothing
// and can be tried again (Windows names a target it cannot remove
// UnableToRemoveReplaced).
bool Held(FileError error) {
    return error == FileError::SharingViolation || error == FileError::AccessDenied ||
           error == FileError::UnableToRemoveReplaced;
}

}  // namespace

FileError SaveAtomically(FileSteps& steps, const std::wstring& target, std::string_view bytes) {
    std::wstring temporary;
    std::wstring backup;
    const FileError created = steps.CreateTemporary(target, &temporary, &backup);
    if (created != FileError::None) return steps.WriteInPlace(target, bytes) ? FileError::None : created;
    const bool existed = steps.Exists(target);
    FileError error = steps.Write(bytes);
    if (error == FileError::None) error = steps.Flush();
    // Closed in any case: an open file can be neither moved nor deleted.
    const FileError closed = steps.Close();
    if (error == FileError::None) error = closed;
    if (error == FileError::None) {
        for (int pauses = 0;; ++pauses) {
            error = steps.Replace(temporary, target, backup);
            if (pauses == kReplacePauses || !Held(error)) break;
            steps.Pause();
        }
        // Stopped halfway with the target gone: the old file comes back from
        // the backup, or else the new one from the temporary name.
        if (existed && !steps.Exists(target) && steps.Move(backup, target) != FileError::None)
            steps.Move(temporary, target);
    }
    // The target only ever gets a whole file by a rename: where it is, it
    // holds the old bytes or the new, and the other names can go.
    if (!existed || steps.Exists(target)) {
        steps.Delete(temporary);
        steps.Delete(backup);
    }
    return error;
}

}  // namespace velk
