#include "app/panel_lock.h"

#include <cstdint>
#include <cstring>
#include <memory>

#include "core/panel_lock_name.h"

namespace velk {

namespace {

// The lock holds the panel's window handle: 64 bits wide for both builds.
using PublishedHandle = uint64_t;

struct ViewUnmapper {
    void operator()(void* view) const { UnmapViewOfFile(view); }
};
using MappedView = std::unique_ptr<void, ViewUnmapper>;

MappedView MapView(HANDLE mapping, DWORD access) {
    return MappedView(mapping ? MapViewOfFile(mapping, access, 0, 0, sizeof(PublishedHandle)) : nullptr);
}

// The path in one letter case, as the file system compares names.
std::wstring FoldedPath(const std::wstring& path) {
    std::wstring folded(path.size(), L'\0');
    const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, path.c_str(),
                                     static_cast<int>(path.size()), folded.data(), static_cast<int>(folded.size()),
                                     nullptr, nullptr, 0);
    return length > 0 ? folded : path;
}

// FILE_ID_INFO and its class, which the headers give only when building for
// Windows 8 and later: the program builds for Windows 7 and asks at run time.
struct FileIdInformation {
    ULONGLONG VolumeSerialNumber;
    BYTE FileId[16];
};
constexpr auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

// What tells the folder from every other: its volume's serial number and its
// 128-bit file id, the same under any spelling of its path and different for
// two folders whose names differ only in letter case. Where the volume or the
// system gives no id (FileIdInfo is Windows 8 and later), the folded path.
std::wstring FolderIdentity(const std::wstring& folder) {
    const KernelHandle handle(CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FileIdInformation id{};
    if (!handle || !GetFileInformationByHandleEx(handle.get(), kFileIdInfo, &id, sizeof id)) return FoldedPath(folder);
    std::wstring identity(sizeof id / sizeof(wchar_t), L'\0');
    std::memcpy(identity.data(), &id, sizeof id);
    return identity;
}

}  // namespace

PanelLock::PanelLock(const std::wstring& programFolder) {
    const std::wstring name = PanelLockName(FolderIdentity(programFolder));
    const HANDLE mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(PublishedHandle), name.c_str());
    first_ = !mapping || GetLastError() != ERROR_ALREADY_EXISTS;
    mapping_.reset(mapping);
}

UINT PanelLock::BringForwardMessage() { return RegisterWindowMessageW(L"VELK.BringPanelForward"); }

void PanelLock::Publish(HWND panel) const {
    if (const MappedView view = MapView(mapping_.get(), FILE_MAP_WRITE))
        *static_cast<volatile PublishedHandle*>(view.get()) = reinterpret_cast<uintptr_t>(panel);
}

void PanelLock::BringFirstForward() const {
    const MappedView view = MapView(mapping_.get(), FILE_MAP_READ);
    if (!view) return;
    // Null while the first start has not yet made its window: that start
    // shows it soon enough.
    const HWND panel =
        reinterpret_cast<HWND>(static_cast<uintptr_t>(*static_cast<const volatile PublishedHandle*>(view.get())));
    if (!panel) return;
    DWORD process = 0;
    if (!GetWindowThreadProcessId(panel, &process)) return;
    // This start is the one the user just made, so it may hand the
    // foreground on; only the panel's own process knows which of its
    // windows the user works in.
    AllowSetForegroundWindow(process);
    PostMessageW(panel, BringForwardMessage(), 0, 0);
}

}  // namespace velk
