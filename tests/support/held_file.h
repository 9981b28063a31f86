#pragma once
// A file held open for reading by "another program", with the sharing that
// program allows: FILE_SHARE_READ alone denies everyone the right to write
// it (the read-only attribute cannot stand in: Wine run as root ignores it);
// FILE_SHARE_READ | FILE_SHARE_WRITE still keeps a new file from taking its
// place.
#include <windows.h>

#include <string>

namespace velk::test {

class HeldFile {
public:
    HeldFile(const std::wstring& path, DWORD share)
        : file_(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return file_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE file_;
};

}  // namespace velk::test
