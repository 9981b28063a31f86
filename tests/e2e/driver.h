#pragma once
// Drives the real velk.exe from outside: a fresh folder per run, the program
// started there, its windows found and inspected, input sent as a user would.
#include <windows.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "barrier.h"
#include "settings/settings_file.h"
#include "support/bitmap_file.h"
#include "support/find_control.h"
#include "support/wait_until.h"
#include "support/window_texts.h"

namespace velk::e2e {

// Settings most tests start from: a borderless panel at (100, 50), no
// monitoring, desktop background; every slot unused.
Settings TestSettings();
// Slot 1 to 20 of the settings, its text, command and alignment.
void UseSlot(Settings& settings, int slot, const char* text, const char* command = "", const char* align = "L");

class VelkRun {
public:
    VelkRun();
    ~VelkRun();
    VelkRun(const VelkRun&) = delete;
    VelkRun& operator=(const VelkRun&) = delete;

    const std::wstring& Folder() const { return folder_; }
    void WriteFile(const std::wstring& name, const std::string& bytes) const;
    void WriteSettings(const Settings& settings) const { WriteFile(L"velk.ini", FormatSettings(settings)); }
    bool FileExists(const std::wstring& name) const;
    std::string ReadFile(const std::wstring& name) const;
    // Copies another program built beside the driver into the folder, under
    // its own name or another.
    void CopyProgram(const std::wstring& name, const std::wstring& as = {}) const;

    // Starts velk.exe in the folder (also the current directory).
    void Start();
    // Writes velk.ini, starts the program and waits for its panel.
    HWND StartWith(const Settings& settings);
    // The visible panel of this run, or null after the time-out.
    HWND WaitForPanel(DWORD timeoutMs = 10000);
    // A top-level window of this process with the given class and title.
    HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs = 10000) const;
    // True when the process ended within the time; its exit code in *code.
    bool WaitForExit(DWORD timeoutMs, DWORD* code = nullptr) const;
    DWORD ProcessId() const { return process_.dwProcessId; }
    // The names of the processes the program started that still run.
    std::vector<std::wstring> RunningChildren() const;

    // The barrier before a check that nothing happened: true once the
    // program's thread has handled every message posted to it before (and
    // what its input helpers gave it, which wait for themselves); false when
    // the program ended first.
    bool Settled() const;
    // The barrier before reading a window's pixels: true once it and every
    // window inside it have painted all they had to (nothing left to paint,
    // then a ping behind the last paint). The screen shows the paint once
    // the thread next waits for messages.
    bool Painted(HWND window) const;
    // A dialog box of the program (#32770: a message, file or colour box),
    // shown or still to be shown when its modal loop first idles; null when
    // there is none.
    HWND AnyDialog() const;
    // The barrier of one of the program's threads, for the input helpers.
    const ThreadBarrier& BarrierOf(DWORD thread) const;

private:
    std::wstring folder_;
    PROCESS_INFORMATION process_{};
    mutable std::map<DWORD, std::unique_ptr<ThreadBarrier>> barriers_;
};

// The text of a message box's message.
std::wstring MessageBoxText(HWND box);
// What a failed write's box says after its text: the file and the system's reason.
std::wstring FileFailure(const std::wstring& path, DWORD error);
// Presses the box's OK button.
void PressOk(HWND box);

// Real input, as a user gives it. Clicks, keys and drags given to a window
// of a running VelkRun return once the window's thread has handled them
// (ThreadBarrier); a move returns once the pointer is there.
void ClickAt(POINT screen, bool right = false);
void MoveMouseTo(POINT screen);
void PressKeys(const std::vector<WORD>& keys);  // held in order, released in reverse
// Two clicks at one point within the double-click time.
void DoubleClickAt(POINT screen);
// Presses the left button at one point, moves to the other and releases it.
void DragFromTo(POINT from, POINT to);
// Types into the window that has the keyboard focus: characters of the
// keyboard layout by their keys, others (Polish letters on this US layout)
// as the Unicode key events an input method sends.
void TypeText(const std::wstring& text);

// Screen pixels of a rectangle, row by row (COLORREF values).
std::vector<COLORREF> CapturePixels(const RECT& screen);
int CountColor(const std::vector<COLORREF>& pixels, COLORREF color);

RECT ClientRectOnScreen(HWND hwnd);
RECT WindowRect(HWND hwnd);
SIZE ClientSize(HWND hwnd);
POINT CentreOf(const RECT& rect);
// A label of the panel (slot 1 to 20) on the screen, from the panel's own
// geometry.
RECT LabelOnScreen(HWND panel, int slot);
POINT CentreOnScreen(HWND hwnd);
// The middle of the close box of a window with a normal caption.
POINT CloseBoxOf(HWND hwnd);

// The whole text of a window of the program, however long (a memo's log),
// and the texts of a form's labels.
using test::LabelTexts;
using test::WindowText;
// The program's child windows of a class, in their order (creation order,
// which is also the tab order).
std::vector<HWND> ChildWindows(HWND parent, const wchar_t* className);
// A child window by its exact text, e.g. a button by its caption.
HWND ChildWithText(HWND parent, const wchar_t* text);
// The first window below the parent, however deep, with the control id (and
// the class, when given).
using test::DescendantWithId;
// An item of a tab control of the program: its rectangle in the control's
// client area, its text. The control answers in its own process's memory.
RECT TabItemRect(HWND tabs, int index);
std::wstring TabItemText(HWND tabs, int index);

// The system's file and colour dialogs, worked as a user works them; each
// returns true when the dialog closed.
// The file dialog opens with the focus in its file-name box: the full path
// typed there and Enter choose the file.
bool ChooseFileInOpenDialog(HWND dialog, const std::wstring& path);
// Types the colour into the boxes for red, green and blue, then clicks OK.
bool ChooseColourInColourDialog(HWND dialog, COLORREF colour);
// Clicks the dialog's Cancel button.
bool CancelCommonDialog(HWND dialog);
// A colour dialog has the three boxes; its title depends on the system's
// language.
bool IsColourDialog(HWND dialog);
// Code-page-1250 bytes of the program's files as the text its windows show.
std::wstring FromCodePage1250(const std::string& bytes);

// The names of the files (not folders) in a folder given with its ending
// backslash, so a file left behind by a save shows.
std::set<std::wstring> FilesIn(const std::wstring& folder);
// Gives the panel the keyboard by clicking near its bottom left corner,
// where the tests' panels have no label.
bool FocusPanel(HWND panel);
// Waits until the predicate holds or the time runs out; returns its last value.
using test::WaitUntil;

}  // namespace velk::e2e
