// The long run of the program's windows in-process: repaints of the panel in
// each background mode, reloads of velk.ini alternating both placements and
// every background mode, openings of each secondary window and of the
// settings dialog, and paints of the dialog's caption bar. The live objects
// of every kind the ui/ owners count (the system cannot tell us:
// GetGuiResources is a stub under Wine) and the process's private memory are
// printed before and after; any object kind that grew, or memory grown past
// the tolerance, fails the run.
//   soak.exe REPAINTS_PER_MODE RELOADS OPENINGS_PER_WINDOW CAPTION_PAINTS
#include <windows.h>
#include <psapi.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "about/info_form.h"
#include "app/main_form.h"
#include "app/program.h"
#include "win/file_io.h"
#include "win/text.h"
#include "monitor/lista_form.h"
#include "monitor/monitor_form.h"
#include "settings/setup_form.h"
#include "support/bitmap_file.h"
#include "win/object_count.h"
#include "win/win_test_support.h"

namespace velk {
namespace {

struct Counts {
    long repaintsPerMode = 0;
    long reloads = 0;
    long openingsPerWindow = 0;
    long captionPaints = 0;
};

std::optional<Counts> CountsFrom(int argc, wchar_t** argv) {
    if (argc != 5) return std::nullopt;
    Counts counts;
    long* fields[] = {&counts.repaintsPerMode, &counts.reloads, &counts.openingsPerWindow, &counts.captionPaints};
    for (int i = 0; i < 4; ++i) {
        wchar_t* end = nullptr;
        *fields[i] = std::wcstol(argv[i + 1], &end, 10);
        if (*end != L'\0' || *fields[i] < 0) return std::nullopt;
    }
    return counts;
}

// In the order of ObjectKind.
constexpr std::array<const char*, static_cast<size_t>(ObjectKind::Count)> kKindNames{
    "Brush",      "Font",      "Bitmap", "Region",           "Pen",  "KernelHandle", "MemoryDc",
    "BorrowedDc", "Selection", "Menu",   "AcceleratorTable", "Icon", "EnhMetaFile",  "Window",
    "Theme"};

using ObjectCounts = std::array<long, static_cast<size_t>(ObjectKind::Count)>;

ObjectCounts LiveCounts() {
    ObjectCounts counts{};
    for (size_t kind = 0; kind < counts.size(); ++kind) counts[kind] = LiveObjects(static_cast<ObjectKind>(kind));
    return counts;
}

// The commit charge: Windows gives it as PagefileUsage and PrivateUsage
// alike; Wine leaves PrivateUsage 0 and gives the Linux process's anonymous
// memory (and swap) as PagefileUsage.
unsigned long long PrivateMemoryBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return counters.PagefileUsage;
}

// Heaps and Wine's own caches settle in steps; a leak of one object per
// paint or opening over the full run is far more than this.
constexpr unsigned long long kMemoryTolerance = 4ull << 20;

Settings PanelSettings(int32_t placement, int32_t mode, const std::wstring& picture) {
    Settings settings;
    settings.Placement = PanelPlacement{placement};
    settings.PosX = 60;
    settings.PosY = 60;
    settings.HoverHighlight = true;
    settings.ClockSeconds = true;
    settings.MonitorInfoSeconds = "10";
    settings.Shortcuts[0] = {"_ZEGAR", "", ""};
    settings.Shortcuts[1] = {"_DATA", "", "P"};
    settings.Shortcuts[2] = {"Notatnik", "notepad.exe", "L"};
    settings.Shortcuts[19] = {"\xA3\xF3\x64\x9F", "", ""};  // "Łódź"
    settings.ActiveColor = 0x0000FF;
    settings.InactiveColor = 0xFFFFFF;
    settings.BackgroundMode = BackgroundMode{mode};
    settings.BackgroundColor = 0x804020;
    settings.BackgroundPicture = ToCp1250(picture);
    return settings;
}

// A small enhanced metafile for the stretched mode, so that its owner is
// soaked too.
bool WriteMetafile(const std::wstring& path) {
    HDC recorder = CreateEnhMetaFileW(nullptr, path.c_str(), nullptr, nullptr);
    if (!recorder) return false;
    for (int i = 0; i < 8; ++i) Ellipse(recorder, i * 10, i * 5, i * 10 + 40, i * 5 + 30);
    HENHMETAFILE done = CloseEnhMetaFile(recorder);
    if (!done) return false;
    DeleteEnhMetaFile(done);
    return true;
}

std::string LaunchLog() {
    std::string log;
    for (int day = 1; day <= 28; ++day) log += "w\xB3. " + std::to_string(day) + ".2.2024 o 8:0:0\r\n";
    return log;
}

// The files the soak writes beside itself, where the panel looks for them.
class SoakFiles {
public:
    SoakFiles()
        : folder_(ExecutableFolder()),
          metafile_(folder_ + L"soak-tlo.emf"),
          texture_(folder_ + L"soak-tekstura.bmp"),
          log_(folder_ + L"index.asc") {}
    ~SoakFiles() {
        for (const std::wstring* path : {&metafile_, &texture_, &log_}) DeleteFileW(path->c_str());
    }
    bool Write() const {
        return WriteMetafile(metafile_) &&
               WriteWholeFile(texture_, MakeBitmapFile(24, 24, [](int x, int y) { return RGB(x * 10, y * 10, 99); })) ==
                   FileError::None &&
               WriteWholeFile(log_, LaunchLog()) == FileError::None;
    }
    // The picture of a background mode: the metafile stretched, the bitmap tiled.
    std::wstring PictureFor(int32_t mode) const { return mode == 2 ? metafile_ : mode == 3 ? texture_ : L""; }

private:
    std::wstring folder_;
    std::wstring metafile_;
    std::wstring texture_;
    std::wstring log_;
};

class Soak {
public:
    bool Start() {
        if (!files_.Write()) return Failed("cannot write the soak's files");
        LoadPanel(1, 1);
        if (!panel_.Create() || !setup_.Create() || !info_.Create() || !monitor_.Create() || !list_.Create())
            return Failed("a form cannot be created");
        ShowWindow(panel_.hwnd(), SW_SHOWNOACTIVATE);
        return true;
    }

    void RepaintEveryMode(long repaints) {
        for (int32_t mode = 0; mode <= 3; ++mode) {
            LoadPanel(1, mode);
            for (long paint = 0; paint < repaints; ++paint) {
                // The frame too, so the tool window's caption bar is painted.
                RedrawWindow(panel_.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
                if (paint % 100 == 0) SendMessageW(panel_.hwnd(), WM_TIMER, 1, 0);  // a clock tick
            }
            test::DispatchPending();
        }
    }

    // Both placements and every background mode, in all eight pairings.
    void Reload(long reloads) {
        for (long reload = 0; reload < reloads; ++reload) {
            LoadPanel(static_cast<int32_t>(reload % 2), static_cast<int32_t>(reload / 2 % 4));
            UpdateWindow(panel_.hwnd());
        }
        test::DispatchPending();
    }

    void OpenEveryWindow(long openings) {
        LoadPanel(1, 1);
        for (long opening = 0; opening < openings; ++opening) {
            OpenModal(info_);
            OpenModal(list_);
            OpenModal(setup_);
            monitor_.Show();
            UpdateWindow(monitor_.hwnd());
            monitor_.Hide();
            test::DispatchPending();
        }
    }

    void PaintCaption(long paints) {
        setup_.Show();
        UpdateWindow(setup_.hwnd());
        for (long paint = 0; paint < paints; ++paint) setup_.mrsc.PaintCaption(paint % 2 == 0);
        setup_.Hide();
        test::DispatchPending();
    }

    bool Ok() const { return ok_; }
    const test::BoxAnswerer& Boxes() const { return boxes_; }

private:
    bool Failed(const char* what) {
        std::fprintf(stderr, "soak: %s\n", what);
        ok_ = false;
        return false;
    }

    void LoadPanel(int32_t placement, int32_t mode) {
        settings_.Write(PanelSettings(placement, mode, files_.PictureFor(mode)));
        if (panel_.hwnd()) panel_.LoadSettings();
    }

    // A modal showing as the menu opens it, ended by the close box once the
    // window has painted: the timer's message comes after the paint.
    static void OpenModal(Form& form) {
        constexpr UINT_PTR kCloseTimer = 0x50AC;
        SetTimer(form.hwnd(), kCloseTimer, USER_TIMER_MINIMUM, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
            KillTimer(hwnd, id);
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
        });
        form.ShowModal();
    }

    test::ScratchSettings settings_;
    SoakFiles files_;
    // Any box (an error the soak does not expect) is answered, so the run
    // cannot hang, and counted.
    test::BoxAnswerer boxes_{IDCANCEL};
    Program program_;
    Tf_main& panel_ = program_.f_main;
    Tf_setup& setup_ = program_.f_setup;
    Tf_info& info_ = program_.f_info;
    Tf_monitor& monitor_ = program_.f_monitor;
    Tf_lista& list_ = program_.f_lista;
    bool ok_ = true;
};

void Run(Soak& soak, const Counts& counts) {
    soak.RepaintEveryMode(counts.repaintsPerMode);
    soak.Reload(counts.reloads);
    soak.OpenEveryWindow(counts.openingsPerWindow);
    soak.PaintCaption(counts.captionPaints);
}

bool Report(const ObjectCounts& before, const ObjectCounts& after, unsigned long long memoryBefore,
            unsigned long long memoryAfter) {
    bool grew = false;
    std::printf("%-18s %8s %8s\n", "live objects", "start", "end");
    for (size_t kind = 0; kind < before.size(); ++kind) {
        const bool kindGrew = after[kind] > before[kind];
        std::printf("%-18s %8ld %8ld%s\n", kKindNames[kind], before[kind], after[kind], kindGrew ? "  GREW" : "");
        grew |= kindGrew;
    }
    const long long growth = static_cast<long long>(memoryAfter) - static_cast<long long>(memoryBefore);
    // A figure the system did not give must not pass as no growth.
    const bool measured = memoryBefore > 0 && memoryAfter > 0;
    const bool memoryGrew = !measured || growth > static_cast<long long>(kMemoryTolerance);
    std::printf("private memory: start %llu KB, end %llu KB, growth %lld KB, tolerance %llu KB%s\n",
                memoryBefore / 1024, memoryAfter / 1024, growth / 1024, kMemoryTolerance / 1024,
                !measured ? "  NOT MEASURED" : memoryGrew ? "  GREW" : "");
    return !grew && !memoryGrew;
}

}  // namespace
}  // namespace velk

int wmain(int argc, wchar_t** argv) {
    using namespace velk;
    const std::optional<Counts> counts = CountsFrom(argc, argv);
    if (!counts) {
        std::fprintf(stderr, "usage: soak REPAINTS_PER_MODE RELOADS OPENINGS_PER_WINDOW CAPTION_PAINTS\n");
        return 2;
    }
    Application application(L"=VELK=");
    Soak soak;
    if (!soak.Start()) return 1;
    // One round of everything first: what lives as long as its form (a
    // rendered background, a loaded picture) is made then and kept.
    Run(soak, {1, 8, 1, 2});
    const ObjectCounts before = LiveCounts();
    const unsigned long long memoryBefore = PrivateMemoryBytes();
    const DWORD start = GetTickCount();
    Run(soak, *counts);
    const DWORD seconds = (GetTickCount() - start) / 1000;
    const ObjectCounts after = LiveCounts();
    const unsigned long long memoryAfter = PrivateMemoryBytes();

    std::printf("soak: %ld repaints in each of 4 modes, %ld reloads, %ld openings of each of 4 windows, "
                "%ld caption paints in %lu s\n",
                counts->repaintsPerMode, counts->reloads, counts->openingsPerWindow, counts->captionPaints,
                static_cast<unsigned long>(seconds));
    const bool steady = Report(before, after, memoryBefore, memoryAfter);
    const test::BoxAnswerer& boxes = soak.Boxes();
    if (boxes.Answered())
        std::printf("soak: %d unexpected boxes opened, the first \"%s\": \"%s\"\n", boxes.Opened(),
                    ToCp1250(boxes.Title()).c_str(), ToCp1250(boxes.Text()).c_str());
    return steady && soak.Ok() && !boxes.Answered() ? 0 : 1;
}
