#include "core/atomic_file.h"

namespace velk {

bool SaveAtomically(FileSteps& steps, const std::wstring& target, std::string_view bytes) {
    std::wstring temporary;
    if (!steps.CreateTemporary(target, &temporary)) return steps.WriteInPlace(target, bytes);
    const bool written = steps.Write(bytes) && steps.Flush();
    // Closed in any case: an open file can be neither moved nor deleted.
    const bool closed = steps.Close();
    if (written && closed && steps.Replace(temporary, target)) return true;
    steps.Delete(temporary);
    return false;
}

}  // namespace velk
