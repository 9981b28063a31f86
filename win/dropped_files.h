#pragma once
// The files of a drop (WM_DROPFILES). shell32 is loaded at the first drop,
// not at the start.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace velk {

// Owns the drop's handle and frees it, as its receiver must, however the
// drop is handled.
class DroppedFiles {
public:
    explicit DroppedFiles(HDROP drop);
    ~DroppedFiles();
    DroppedFiles(const DroppedFiles&) = delete;
    DroppedFiles& operator=(const DroppedFiles&) = delete;

    UINT Count() const { return count_; }
    // The full path of one of them (in drop order), taken as the settings
    // file can hold it where it can (TakeStorableName).
    std::wstring Path(UINT index) const;
    // Where they were dropped, in the client area of the window that got them.
    POINT Point() const { return point_; }

private:
    HDROP drop_;
    UINT count_ = 0;
    POINT point_{};
};

// The name Explorer shows the file by (its setting for known extensions, a
// drive's label, a shortcut without ".lnk"), or the path's last part where
// the shell cannot tell or where code page 1250 cannot hold its name (a file
// taken by its short name).
std::wstring DisplayName(const std::wstring& path);

}  // namespace velk
