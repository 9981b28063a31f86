#pragma once
// One owner type per acquire/release pair. Copying is deleted so a handle is
// released exactly once, by the call that matches how it was acquired.
#include <windows.h>

#include <utility>

#include "win/object_count.h"

namespace velk {

template <typename H, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : handle_(handle) {
        if (Traits::IsValid(handle_)) NoteAcquired(Traits::kKind);
    }
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Empty())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Traits::Empty());
        }
        return *this;
    }

    H get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }

    void reset(H handle = Traits::Empty()) {
        if (Traits::IsValid(handle_)) {
            Traits::Close(handle_);
            NoteReleased(Traits::kKind);
        }
        handle_ = handle;
        if (Traits::IsValid(handle_)) NoteAcquired(Traits::kKind);
    }
    // Hands the object to a new owner (a menu, the clipboard): no longer ours.
    H release() {
        if (Traits::IsValid(handle_)) NoteReleased(Traits::kKind);
        return std::exchange(handle_, Traits::Empty());
    }

private:
    H handle_ = Traits::Empty();
};

template <typename H, ObjectKind Kind>
struct GdiObjectTraits {
    static constexpr ObjectKind kKind = Kind;
    static H Empty() { return nullptr; }
    static bool IsValid(H h) { return h != nullptr; }
    static void Close(H h) { DeleteObject(h); }
};

struct KernelHandleTraits {
    static constexpr ObjectKind kKind = ObjectKind::KernelHandle;
    static HANDLE Empty() { return nullptr; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};

struct MemoryDcTraits {
    static constexpr ObjectKind kKind = ObjectKind::MemoryDc;
    static HDC Empty() { return nullptr; }
    static bool IsValid(HDC h) { return h != nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};

struct MenuTraits {
    static constexpr ObjectKind kKind = ObjectKind::Menu;
    static HMENU Empty() { return nullptr; }
    static bool IsValid(HMENU h) { return h != nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};

struct AcceleratorTraits {
    static constexpr ObjectKind kKind = ObjectKind::AcceleratorTable;
    static HACCEL Empty() { return nullptr; }
    static bool IsValid(HACCEL h) { return h != nullptr; }
    static void Close(HACCEL h) { DestroyAcceleratorTable(h); }
};

struct IconTraits {
    static constexpr ObjectKind kKind = ObjectKind::Icon;
    static HICON Empty() { return nullptr; }
    static bool IsValid(HICON h) { return h != nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};

struct EnhMetaFileTraits {
    static constexpr ObjectKind kKind = ObjectKind::EnhMetaFile;
    static HENHMETAFILE Empty() { return nullptr; }
    static bool IsValid(HENHMETAFILE h) { return h != nullptr; }
    static void Close(HENHMETAFILE h) { DeleteEnhMetaFile(h); }
};

struct WindowTraits {
    static constexpr ObjectKind kKind = ObjectKind::Window;
    static HWND Empty() { return nullptr; }
    static bool IsValid(HWND h) { return h != nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};

using Brush = UniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH, ObjectKind::Brush>>;
using Font = UniqueHandle<HFONT, GdiObjectTraits<HFONT, ObjectKind::Font>>;
using Bitmap = UniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP, ObjectKind::Bitmap>>;
using Region = UniqueHandle<HRGN, GdiObjectTraits<HRGN, ObjectKind::Region>>;
using Pen = UniqueHandle<HPEN, GdiObjectTraits<HPEN, ObjectKind::Pen>>;
using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using Menu = UniqueHandle<HMENU, MenuTraits>;
using AcceleratorTable = UniqueHandle<HACCEL, AcceleratorTraits>;
using Icon = UniqueHandle<HICON, IconTraits>;
using EnhMetaFile = UniqueHandle<HENHMETAFILE, EnhMetaFileTraits>;
// A window the object owns outright (not a form, whose window is bound to it).
using Window = UniqueHandle<HWND, WindowTraits>;

// GetDC / ReleaseDC (hwnd may be null for the screen).
class ClientDc {
public:
    explicit ClientDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {
        if (dc_) NoteAcquired(ObjectKind::BorrowedDc);
    }
    ~ClientDc() {
        if (dc_ && ReleaseDC(hwnd_, dc_)) NoteReleased(ObjectKind::BorrowedDc);
    }
    ClientDc(const ClientDc&) = delete;
    ClientDc& operator=(const ClientDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// GetWindowDC / ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {
        if (dc_) NoteAcquired(ObjectKind::BorrowedDc);
    }
    ~WindowDc() {
        if (dc_ && ReleaseDC(hwnd_, dc_)) NoteReleased(ObjectKind::BorrowedDc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const RECT& area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SelectObject, restoring the previous object on scope exit, so nothing is
// ever deleted while still selected.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {
        if (Selected()) NoteAcquired(ObjectKind::Selection);
    }
    ~SelectGuard() {
        if (Selected()) {
            SelectObject(dc_, old_);
            NoteReleased(ObjectKind::Selection);
        }
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    bool Selected() const { return old_ && old_ != HGDI_ERROR; }

    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace velk
