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

// A handle that is null when empty, released by the call that matches how
// it was acquired.
template <typename H, ObjectKind Kind, auto Release>
struct NullableHandleTraits {
    static constexpr ObjectKind kKind = Kind;
    static H Empty() { return nullptr; }
    static bool IsValid(H h) { return h != nullptr; }
    static void Close(H h) { Release(h); }
};

template <typename H, ObjectKind Kind>
using GdiObjectTraits = NullableHandleTraits<H, Kind, &DeleteObject>;

struct KernelHandleTraits {
    static constexpr ObjectKind kKind = ObjectKind::KernelHandle;
    static HANDLE Empty() { return nullptr; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};

using MemoryDcTraits = NullableHandleTraits<HDC, ObjectKind::MemoryDc, &DeleteDC>;
using MenuTraits = NullableHandleTraits<HMENU, ObjectKind::Menu, &DestroyMenu>;
using AcceleratorTraits = NullableHandleTraits<HACCEL, ObjectKind::AcceleratorTable, &DestroyAcceleratorTable>;
using IconTraits = NullableHandleTraits<HICON, ObjectKind::Icon, &DestroyIcon>;
using EnhMetaFileTraits = NullableHandleTraits<HENHMETAFILE, ObjectKind::EnhMetaFile, &DeleteEnhMetaFile>;
using WindowTraits = NullableHandleTraits<HWND, ObjectKind::Window, &DestroyWindow>;

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

// GetDC or GetWindowDC, then ReleaseDC (hwnd may be null for the screen).
template <auto Acquire>
class BorrowedDc {
public:
    explicit BorrowedDc(HWND hwnd) : hwnd_(hwnd), dc_(Acquire(hwnd)) {
        if (dc_) NoteAcquired(ObjectKind::BorrowedDc);
    }
    ~BorrowedDc() {
        if (dc_ && ReleaseDC(hwnd_, dc_)) NoteReleased(ObjectKind::BorrowedDc);
    }
    BorrowedDc(const BorrowedDc&) = delete;
    BorrowedDc& operator=(const BorrowedDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

using ClientDc = BorrowedDc<&GetDC>;
using WindowDc = BorrowedDc<&GetWindowDC>;

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
