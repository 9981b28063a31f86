#include "driver.h"

#include <colordlg.h>
#include <cwctype>
#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include "app/panel_text.h"
#include "win/dpi.h"
#include "support/mouse_input.h"

namespace velk::e2e {

using test::MouseInput;

namespace {

std::wstring DriverFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolder(path + L"\\");
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

struct WindowQuery {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    bool mustBeVisible;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
    auto* query = reinterpret_cast<WindowQuery*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId != query->processId) return TRUE;
    if (query->mustBeVisible && !IsWindowVisible(hwnd)) return TRUE;
    wchar_t text[256] = {};
    if (query->className) {
        GetClassNameW(hwnd, text, 256);
        if (std::wstring(text) != query->className) return TRUE;
    }
    if (query->title) {
        GetWindowTextW(hwnd, text, 256);
        if (std::wstring(text) != query->title) return TRUE;
    }
    query->found = hwnd;
    return FALSE;
}

// The runs whose programs are started, for the input helpers.
std::vector<const VelkRun*>& LiveRuns() {
    static std::vector<const VelkRun*> runs;
    return runs;
}

void SendInputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Input for the window's thread: given through the barrier when the window
// is the program's, else only sent.
void GiveInput(HWND target, std::vector<INPUT> inputs) {
    if (inputs.empty()) return;
    DWORD processId = 0;
    const DWORD thread = target ? GetWindowThreadProcessId(target, &processId) : 0;
    for (const VelkRun* run : LiveRuns()) {
        if (thread && run->ProcessId() == processId) {
            wchar_t className[64] = {};
            GetClassNameW(target, className, 64);
            EXPECT_TRUE(run->BarrierOf(thread).Give(std::move(inputs)))
                << "the program's thread did not handle the input given to "
                << std::string(className, className + wcslen(className));
            return;
        }
    }
    SendInputs(std::move(inputs));
}

// Where the keys go: the foreground window's thread.
HWND KeyboardTarget() { return GetForegroundWindow(); }

// Where the mouse goes: the window that holds it, else the one at the point.
HWND MouseTarget(POINT screen) {
    GUITHREADINFO foreground{};
    foreground.cbSize = sizeof foreground;
    if (GetGUIThreadInfo(0, &foreground) && foreground.hwndCapture) return foreground.hwndCapture;
    return WindowFromPoint(screen);
}

INPUT KeyInput(WORD key, WORD unicode, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = unicode;
    input.ki.dwFlags = flags;
    return input;
}

// A block of memory in the process that owns a window, for messages whose
// answer is written through a pointer.
class RemoteBlock {
public:
    RemoteBlock(HWND owner, size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(owner, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* address() const { return static_cast<char*>(address_); }
    bool Write(size_t offset, const void* bytes, size_t size) const {
        return address_ && offset + size <= size_ &&
               WriteProcessMemory(process_, address() + offset, bytes, size, nullptr);
    }
    bool Read(size_t offset, void* bytes, size_t size) const {
        return address_ && offset + size <= size_ &&
               ReadProcessMemory(process_, address() + offset, bytes, size, nullptr);
    }

private:
    size_t size_;
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

bool IsClosed(HWND dialog) {
    return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000);
}

}  // namespace

Settings TestSettings() {
    Settings settings;
    settings.Placement = PanelPlacement::FixedPanel;
    settings.PosX = 100;
    settings.PosY = 50;
    settings.MonitorInfoSeconds = "10";
    settings.ActiveColor = 0xFF00FF;
    settings.InactiveColor = 0xFFFFFF;
    return settings;
}

void UseSlot(Settings& settings, int slot, const char* text, const char* command, const char* align) {
    settings.Shortcuts[static_cast<size_t>(slot - 1)] = ShortcutEntry{text, command, align};
}

VelkRun::VelkRun() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    folder_ = std::wstring(temp) + L"velk-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    CopyProgram(L"velk.exe");
    LiveRuns().push_back(this);
}

VelkRun::~VelkRun() {
    std::erase(LiveRuns(), this);
    barriers_.clear();
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    RemoveFolder(folder_);
}

void VelkRun::CopyProgram(const std::wstring& name, const std::wstring& as) const {
    const std::wstring target = folder_ + (as.empty() ? name : as);
    ASSERT_TRUE(CopyFileW((DriverFolder() + name).c_str(), target.c_str(), FALSE));
}

void VelkRun::WriteFile(const std::wstring& name, const std::string& bytes) const {
    HANDLE file = CreateFileW((folder_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

bool VelkRun::FileExists(const std::wstring& name) const {
    return GetFileAttributesW((folder_ + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string VelkRun::ReadFile(const std::wstring& name) const {
    HANDLE file = CreateFileW((folder_ + name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void VelkRun::Start() {
    std::wstring commandLine = L"\"" + folder_ + L"velk.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                               &startup, &process_))
        << "velk.exe could not be started, error " << GetLastError();
}

HWND VelkRun::StartWith(const Settings& settings) {
    WriteSettings(settings);
    Start();
    return ::testing::Test::HasFatalFailure() ? nullptr : WaitForPanel();
}

namespace {

ULONGLONG CreationTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return ULONGLONG{created.dwHighDateTime} << 32 | created.dwLowDateTime;
}

}  // namespace

std::vector<std::wstring> VelkRun::RunningChildren() const {
    std::vector<std::wstring> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return {L"<no process list>"};
    // Process ids are soon reused: a process whose parent had this program's
    // id before it started is no child of it. Wine starts its own services
    // (the COM service first of all) from the process that first needs them,
    // and the desktop's own explorer.exe too when none runs yet.
    const ULONGLONG started = CreationTime(process_.hProcess);
    DWORD desktopProcess = 0;
    GetWindowThreadProcessId(GetDesktopWindow(), &desktopProcess);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID != process_.dwProcessId || entry.th32ProcessID == desktopProcess) continue;
        const std::wstring name = entry.szExeFile;
        if (_wcsicmp(name.c_str(), L"rpcss.exe") == 0 || _wcsicmp(name.c_str(), L"services.exe") == 0 ||
            _wcsicmp(name.c_str(), L"winedevice.exe") == 0 || _wcsicmp(name.c_str(), L"plugplay.exe") == 0 ||
            _wcsicmp(name.c_str(), L"svchost.exe") == 0)
            continue;
        HANDLE child = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!child) continue;  // gone already
        if (CreationTime(child) >= started) children.push_back(name);
        CloseHandle(child);
    }
    CloseHandle(snapshot);
    return children;
}

HWND VelkRun::WaitForPanel(DWORD timeoutMs) {
    HWND panel = nullptr;
    WaitUntil([&] { return (panel = WaitForWindow(L"Tf_main", nullptr, 0)) != nullptr; }, timeoutMs);
    return panel;
}

HWND VelkRun::WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs) const {
    WindowQuery query{process_.dwProcessId, className, title, true, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
            return query.found != nullptr;
        },
        timeoutMs);
    return query.found;
}

bool VelkRun::Settled() const { return BarrierOf(process_.dwThreadId).Ping(); }

bool VelkRun::Painted(HWND window) const {
    // A paint clears its update region as it begins: the ping behind it
    // comes off the queue once the paint has ended.
    const auto nothingToPaint = [&] {
        bool clean = !GetUpdateRect(window, nullptr, FALSE);
        EnumChildWindows(
            window,
            [](HWND child, LPARAM clean) {
                if (GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(clean) = false;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&clean));
        return clean;
    };
    return WaitUntil(nothingToPaint, 5000) && Settled();
}

HWND VelkRun::AnyDialog() const {
    WindowQuery query{process_.dwProcessId, L"#32770", nullptr, false, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

const ThreadBarrier& VelkRun::BarrierOf(DWORD thread) const {
    std::unique_ptr<ThreadBarrier>& barrier = barriers_[thread];
    if (!barrier) barrier = std::make_unique<ThreadBarrier>(thread, process_.hProcess);
    return *barrier;
}

bool VelkRun::WaitForExit(DWORD timeoutMs, DWORD* code) const {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (code) GetExitCodeProcess(process_.hProcess, code);
    return true;
}

std::wstring MessageBoxText(HWND box) {
    wchar_t text[1024] = {};
    // The message of a message box is its static control with id 0xFFFF.
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

std::wstring FileFailure(const std::wstring& path, DWORD error) {
    wchar_t reason[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  reason, 512, nullptr);
    while (length > 0 && iswspace(reason[length - 1])) --length;
    return L"\r\n" + path + L": " + std::wstring(reason, length);
}

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

void MoveMouseTo(POINT screen) {
    SendInputs({MouseInput(screen, MOUSEEVENTF_MOVE)});
    WaitUntil(
        [&] {
            POINT at;
            return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
        },
        2000);
}

// The pointer is at the point before the button goes down, and each button
// event carries the point too: Wine hands a window that appeared under the
// pointer a late X "enter" event at the pointer's earlier place, and a bare
// press after it was seen to land there (a few starts in a thousand).
void ClickAt(POINT screen, bool right) {
    const DWORD down = MOUSEEVENTF_MOVE | (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    const DWORD up = MOUSEEVENTF_MOVE | (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    MoveMouseTo(screen);
    GiveInput(MouseTarget(screen), {MouseInput(screen, down), MouseInput(screen, up)});
}

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(KeyInput(key, 0, 0));
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) inputs.push_back(KeyInput(*key, 0, KEYEVENTF_KEYUP));
    GiveInput(KeyboardTarget(), std::move(inputs));
}

void DoubleClickAt(POINT screen) {
    constexpr DWORD kDown = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN;
    constexpr DWORD kUp = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP;
    GiveInput(MouseTarget(screen), {MouseInput(screen, kDown), MouseInput(screen, kUp), MouseInput(screen, kDown),
                                    MouseInput(screen, kUp)});
}

void DragFromTo(POINT from, POINT to) {
    const HWND form = GetAncestor(WindowFromPoint(from), GA_ROOT);
    const RECT before = WindowRect(form);
    // The press handled before the hand moves: moves sent with it were lost
    // to a window-move loop that had not begun yet (Wine then moved the
    // window by the first step alone). The loop holds the mouse, so the
    // moves and the release go where the press went.
    GiveInput(MouseTarget(from), {MouseInput(from, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN)});
    std::vector<INPUT> moves;
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        const POINT at{from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps};
        moves.push_back(MouseInput(at, MOUSEEVENTF_MOVE));
    }
    GiveInput(MouseTarget(to), std::move(moves));
    const auto movedBy = [&](LONG dx, LONG dy) {
        const RECT now = WindowRect(form);
        return now.left - before.left == dx && now.top - before.top == dy;
    };
    // Moves a form's move loop missed (seen under load: the form stopped
    // after the first step) are given again, as a hand that goes on moving
    // gives them, until the form has followed the whole way.
    const bool moving = !movedBy(0, 0);
    for (int again = 0; moving && !movedBy(to.x - from.x, to.y - from.y) && again < 3; ++again)
        GiveInput(MouseTarget(to), {MouseInput(POINT{to.x - 1, to.y}, MOUSEEVENTF_MOVE), MouseInput(to, MOUSEEVENTF_MOVE)});
    GiveInput(MouseTarget(to), {MouseInput(to, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP)});
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t character : text) {
        const SHORT key = VkKeyScanW(character);
        const bool onKeyboard = key != -1 && (HIBYTE(key) & ~1) == 0;  // the key, at most with Shift
        if (!onKeyboard) {
            inputs.push_back(KeyInput(0, character, KEYEVENTF_UNICODE));
            inputs.push_back(KeyInput(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
            continue;
        }
        const bool shifted = HIBYTE(key) & 1;
        if (shifted) inputs.push_back(KeyInput(VK_SHIFT, 0, 0));
        inputs.push_back(KeyInput(LOBYTE(key), 0, 0));
        inputs.push_back(KeyInput(LOBYTE(key), 0, KEYEVENTF_KEYUP));
        if (shifted) inputs.push_back(KeyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP));
    }
    GiveInput(KeyboardTarget(), std::move(inputs));
}

std::vector<COLORREF> CapturePixels(const RECT& screen) {
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    HDC screenDc = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screenDc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screenDc, screen.left, screen.top, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    const auto* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const DWORD bgra = source[i];
        pixels[i] = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screenDc);
    return pixels;
}

int CountColor(const std::vector<COLORREF>& pixels, COLORREF color) {
    int count = 0;
    for (COLORREF pixel : pixels) count += pixel == color;
    return count;
}

RECT ClientRectOnScreen(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

RECT LabelOnScreen(HWND panel, int slot) {
    const RECT client = ClientRectOnScreen(panel);
    const LabelPlace place = LabelPlaceAt(slot - 1, WindowDpi(panel));
    return RECT{client.left + place.left, client.top + place.top, client.left + place.right, client.top + place.bottom};
}

RECT WindowRect(HWND hwnd) {
    RECT window{};
    GetWindowRect(hwnd, &window);
    return window;
}

SIZE ClientSize(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return SIZE{client.right, client.bottom};
}

POINT CentreOf(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

POINT CentreOnScreen(HWND hwnd) {
    RECT window;
    GetWindowRect(hwnd, &window);
    return POINT{(window.left + window.right) / 2, (window.top + window.bottom) / 2};
}

POINT CloseBoxOf(HWND hwnd) {
    RECT window;
    GetWindowRect(hwnd, &window);
    const RECT client = ClientRectOnScreen(hwnd);
    const int frame = client.left - window.left;
    return POINT{window.right - frame - GetSystemMetrics(SM_CXSIZE) / 2 - 2, (window.top + frame + client.top) / 2};
}

std::vector<HWND> ChildWindows(HWND parent, const wchar_t* className) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (_wcsicmp(name, className) == 0) children.push_back(child);
    }
    return children;
}

HWND ChildWithText(HWND parent, const wchar_t* text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child) == text) return child;
    return nullptr;
}

RECT TabItemRect(HWND tabs, int index) {
    RECT item{};
    const RemoteBlock remote(tabs, sizeof item);
    if (SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote.address())))
        remote.Read(0, &item, sizeof item);
    return item;
}

std::wstring TabItemText(HWND tabs, int index) {
    constexpr int kCapacity = 256;
    const RemoteBlock remote(tabs, sizeof(TCITEMW) + kCapacity * sizeof(wchar_t));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(remote.address() + sizeof item);
    item.cchTextMax = kCapacity;
    if (!remote.Write(0, &item, sizeof item)) return {};
    if (!SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(remote.address()))) return {};
    wchar_t text[kCapacity] = {};
    remote.Read(sizeof item, text, sizeof text - sizeof(wchar_t));
    return text;
}

bool ChooseFileInOpenDialog(HWND dialog, const std::wstring& path) {
    // The file-name box is the edit inside the combo box cmb13; both carry its id.
    HWND nameBox = DescendantWithId(dialog, cmb13, L"Edit");
    const bool focused = WaitUntil(
        [&] {
            GUITHREADINFO thread{};
            thread.cbSize = sizeof thread;
            return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) &&
                   thread.hwndFocus == nameBox && GetForegroundWindow() == dialog;
        },
        3000);
    if (!nameBox || !focused) return false;
    TypeText(path);
    PressKeys({VK_RETURN});
    return IsClosed(dialog);
}

bool ChooseColourInColourDialog(HWND dialog, COLORREF colour) {
    const struct {
        int id;
        BYTE value;
    } boxes[] = {{COLOR_RED, GetRValue(colour)}, {COLOR_GREEN, GetGValue(colour)}, {COLOR_BLUE, GetBValue(colour)}};
    for (const auto& box : boxes) {
        HWND edit = DescendantWithId(dialog, box.id, L"Edit");
        if (!edit) return false;
        ClickAt(CentreOnScreen(edit));
        PressKeys({VK_END});
        PressKeys({VK_SHIFT, VK_HOME});
        const std::wstring digits = std::to_wstring(box.value);
        TypeText(digits);
        if (!WaitUntil([&] { return WindowText(edit) == digits; }, 2000)) return false;
    }
    HWND ok = DescendantWithId(dialog, IDOK, L"Button");
    if (!ok) return false;
    ClickAt(CentreOnScreen(ok));
    return IsClosed(dialog);
}

bool CancelCommonDialog(HWND dialog) {
    HWND cancel = DescendantWithId(dialog, IDCANCEL, L"Button");
    if (!cancel) return false;
    ClickAt(CentreOnScreen(cancel));
    return IsClosed(dialog);
}

bool IsColourDialog(HWND dialog) {
    return DescendantWithId(dialog, COLOR_RED, L"Edit") && DescendantWithId(dialog, COLOR_GREEN, L"Edit") &&
           DescendantWithId(dialog, COLOR_BLUE, L"Edit");
}

std::wstring FromCodePage1250(const std::string& bytes) {
    if (bytes.empty()) return {};
    std::wstring text(bytes.size(), L'\0');
    const int length = MultiByteToWideChar(1250, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                           static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(length));
    return text;
}

bool FocusPanel(HWND panel) {
    const RECT client = ClientRectOnScreen(panel);
    ClickAt(POINT{client.left + 3, client.bottom - 3});
    return WaitUntil([&] { return GetForegroundWindow() == panel; }, 2000);
}

std::set<std::wstring> FilesIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace velk::e2e
