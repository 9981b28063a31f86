#include "win/file_io.h"

#include <windows.h>

#include <climits>
#include <memory>

#include "core/atomic_file.h"
#include "win/handles.h"

namespace velk {

namespace {

// The reason of the call that failed; a failure is never taken for success,
// even from a call that left no code behind.
FileError Outcome(BOOL done) {
    if (done) return FileError::None;
    const DWORD code = GetLastError();
    return static_cast<FileError>(code ? code : ERROR_GEN_FAILURE);
}

KernelHandle OpenForReading(const std::wstring& path) {
    return KernelHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::optional<LineReader> OpenLineReader(const std::wstring& path) {
    // Shared, as the reader's source must be copyable; not by make_shared,
    // whose type check brings a part of the C++ library in.
    const std::shared_ptr<KernelHandle> file(new KernelHandle(OpenForReading(path)));
    if (!*file) return std::nullopt;
    return LineReader([file](char* buffer, size_t capacity) -> size_t {
        DWORD got = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<size_t>(capacity, 1u << 20));
        if (!ReadFile(file->get(), buffer, wanted, &got, nullptr)) return 0;
        return got;
    });
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    KernelHandle file = OpenForReading(path);
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > INT_MAX) return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &got, nullptr))
            return std::nullopt;
        if (got == 0) break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

FileError WriteWholeFile(const std::wstring& path, std::string_view bytes) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return Outcome(file && WriteAll(file.get(), bytes));
}

namespace {

class WindowsFileSteps : public FileSteps {
public:
    FileError CreateTemporary(const std::wstring& target, std::wstring* temporary, std::wstring* backup) override {
        const size_t slash = target.find_last_of(L"\\/");
        const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
        std::wstring name(MAX_PATH + 1, L'\0');
        // Beside the target, so that the replacing move stays on one volume.
        // Its name is new each time: one that a crashed save left behind
        // never stands in the way of the next.
        if (!GetTempFileNameW(folder.c_str(), L"vlk", 0, name.data())) return Outcome(FALSE);
        name.resize(wcslen(name.c_str()));
        *temporary = name;
        // Its own name made longer: no other file's.
        backup->assign(name).append(L".bak");
        file_.reset(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
        // Hidden until it takes the target's place, so that a leftover never
        // shows in the user's folder.
        FILE_BASIC_INFO basic{};
        basic.FileAttributes = FILE_ATTRIBUTE_HIDDEN;
        const FileError error = Outcome(file_ && SetFileInformationByHandle(file_.get(), FileBasicInfo, &basic,
                                                                             sizeof basic));
        if (error != FileError::None) {
            file_.reset();
            DeleteFileW(name.c_str());
        }
        return error;
    }
    FileError Write(std::string_view bytes) override { return Outcome(WriteAll(file_.get(), bytes)); }
    FileError Flush() override { return Outcome(FlushFileBuffers(file_.get())); }
    FileError Close() override { return Outcome(CloseHandle(file_.release())); }
    FileError Replace(const std::wstring& temporary, const std::wstring& target,
                      const std::wstring& backup) override {
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            // The first save: the new file is seen like any other.
            return Outcome(SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL) &&
                           MoveFileExW(temporary.c_str(), target.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
        }
        // A read-only file is the user's "do not change", refused as
        // Windows refuses to replace it.
        if (attributes & FILE_ATTRIBUTE_READONLY) return FileError::AccessDenied;
        // The file keeps what the user gave it: ReplaceFileW keeps its access
        // rights and creation time; its attributes (hidden, say) go to the
        // hidden temporary file first, so the result is as the user's file was.
        return Outcome(SetFileAttributesW(temporary.c_str(), attributes) &&
                       ReplaceFileW(target.c_str(), temporary.c_str(), backup.c_str(),
                                    REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr));
    }
    FileError Move(const std::wstring& from, const std::wstring& to) override {
        return Outcome(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH));
    }
    bool Exists(const std::wstring& path) override {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void Delete(const std::wstring& path) override { DeleteFileW(path.c_str()); }
    void Pause() override { Sleep(50); }
    bool WriteInPlace(const std::wstring& target, std::string_view bytes) override {
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return false;
        // Opened as it is, not created anew, so that a hidden file stays hidden.
        KernelHandle file(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        return file && WriteAll(file.get(), bytes) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
    }

private:
    KernelHandle file_;
};

}  // namespace

FileError ReplaceFileContents(const std::wstring& path, std::string_view bytes) {
    WindowsFileSteps steps;
    return SaveAtomically(steps, path, bytes);
}

bool AppendToFile(const std::wstring& path, std::string_view bytes) {
    // FILE_APPEND_DATA alone makes every write go to the current end of file.
    KernelHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return bytes.size() <= MAXDWORD &&
           WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::wstring ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace velk
