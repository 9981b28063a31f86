#pragma once
// Every owner of ui/handles.h reports here as it takes and gives back an
// object. velk.exe links the empty reports (object_count_none.cpp); the test
// programs link counting ones (object_count.cpp), so a leak test can assert
// that nothing was left alive. The system cannot tell us: GetGuiResources
// and GetProcessHandleCount always give 0 under Wine.
namespace velk {

enum class ObjectKind {
    Brush,
    Font,
    Bitmap,
    Region,
    Pen,
    KernelHandle,
    MemoryDc,
    BorrowedDc,  // GetDC / GetWindowDC until ReleaseDC
    Selection,   // an object selected into a DC until the old one is back
    Menu,
    AcceleratorTable,
    Icon,
    EnhMetaFile,
    Window,
    Theme,  // a window's visual style data, OpenThemeData until CloseThemeData
    Count
};

void NoteAcquired(ObjectKind kind) noexcept;
void NoteReleased(ObjectKind kind) noexcept;

// The counting build only: how many objects of the kind are alive now.
long LiveObjects(ObjectKind kind) noexcept;
long LiveObjects() noexcept;  // of every kind

}  // namespace velk
