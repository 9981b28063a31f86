#include "app/panel_lock.h"

#include <cstdint>
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

}  // namespace

PanelLock::PanelLock(const std::wstring& programFolder) {
    const std::wstring name = PanelLockName(FoldedPath(programFolder));
    const HANDLE mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(PublishedHandle), name.c_str());
    first_ = !mapping || GetLastError() != ERROR_ALREADY_EXISTS;
    mapping_.reset(mapping);
}

void PanelLock::Publish(HWND panel) const {
    if (const MappedView view = MapView(mapping_.get(), FILE_MAP_WRITE))
        *static_cast<volatile PublishedHandle*>(view.get()) = reinterpret_cast<uintptr_t>(panel);
}

void PanelLock::BringFirstForward() const {
    const MappedView view = MapView(mapping_.get(), FILE_MAP_READ);
    if (!view) return;
    // Null while the first start is still making its panel: that start
    // shows it soon enough.
    const HWND panel =
        reinterpret_cast<HWND>(static_cast<uintptr_t>(*static_cast<const volatile PublishedHandle*>(view.get())));
    if (!panel || !IsWindow(panel)) return;
    DWORD process = 0;
    GetWindowThreadProcessId(panel, &process);
    // This start is the one the user just made, so it may hand the
    // foreground on; the panel's own process may then take it too.
    AllowSetForegroundWindow(process);
    SetForegroundWindow(panel);
}

}  // namespace velk
