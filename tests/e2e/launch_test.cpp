// Clicks on the panel's labels, seen through a program of ours that records
// every start: what is started, and what never is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <windows.h>
#include <oleacc.h>
#include <shellapi.h>

#include "driver.h"

namespace velk::e2e {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);  // the test panels' labels

class Launching : public ::testing::Test {
protected:
    void SetUp() override {
        run_.CopyProgram(L"record_args.exe");
        // Copies under the keywords' names: a keyword wrongly handed to the
        // shell as a relative name would start one of these and be recorded.
        for (const wchar_t* name : {L"_NIC.exe", L"_shutdown.exe", L"_ZEGAR.exe", L"_DATA.exe"})
            run_.CopyProgram(L"record_args.exe", name);
    }

    // The panel, in the foreground.
    HWND Start(const Settings& settings) {
        HWND panel = run_.StartWith(settings);
        if (!panel) return nullptr;
        SetForegroundWindow(panel);
        return WaitUntil([&] { return GetForegroundWindow() == panel; }, 2000) ? panel : nullptr;
    }

    void ClickSlot(HWND panel, int slot) {
        const RECT label = LabelOnScreen(panel, slot);
        ClickAt(POINT{label.left + 20, (label.top + label.bottom) / 2});
    }

    // The recorded command lines and working folders, one per start.
    std::vector<std::wstring> Recorded(const std::wstring& file = L"record_args.txt") const {
        const std::string bytes = run_.ReadFile(file);
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        std::vector<std::wstring> lines;
        for (size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    std::vector<std::wstring> WaitForRecords(size_t count, const std::wstring& file = L"record_args.txt") const {
        WaitUntil([&] { return Recorded(file).size() >= count; }, 8000);
        return Recorded(file);
    }

    // The panel handles clicks in order and starts a program within the
    // click: once a later click's record is there, whatever an earlier click
    // started has been started, and has written its record once it ended.
    bool StartedProgramsEnded() const {
        std::vector<std::wstring> running;
        if (WaitUntil([&] { return (running = run_.RunningChildren()).empty(); }, 8000)) return true;
        for (const std::wstring& name : running) ADD_FAILURE() << "still running: " << std::string(name.begin(), name.end());
        return false;
    }

    VelkRun run_;
};

int VisibleTopLevelWindows() {
    int count = 0;
    EnumWindows(
        [](HWND hwnd, LPARAM counter) {
            *reinterpret_cast<int*>(counter) += IsWindowVisible(hwnd) ? 1 : 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return text;
}

TEST_F(Launching, AClickHandsTheCommandWholeToTheShell) {
    const std::string program = std::string("record_args.exe");
    Settings settings = TestSettings();
    std::string folder(run_.Folder().begin(), run_.Folder().end());
    settings.Shortcuts[0] = {"Program", folder + program, "L"};
    settings.Shortcuts[1] = {"Nic jako polecenie", "_NIC", "L"};
    settings.Shortcuts[2] = {"Male litery", "_shutdown", "L"};
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);

    ClickSlot(panel, 1);
    std::vector<std::wstring> records = WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(Lower(records[0]).find(Lower(run_.Folder()) + L"record_args.exe"), std::wstring::npos) << records[0];

    // "_NIC" is a keyword only as a slot's text; as a command it is a name.
    ClickSlot(panel, 2);
    records = WaitForRecords(2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(Lower(records[1]).find(L"_nic"), std::wstring::npos) << records[1];

    // Keywords are exact: in small letters it is a name too.
    ClickSlot(panel, 3);
    records = WaitForRecords(3);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_NE(Lower(records[2]).find(L"_shutdown"), std::wstring::npos) << records[2];
}

// By a path relative to the program's folder, and by the folder's variable.
TEST_F(Launching, ACommandsProgramGetsItsParametersAndStartsInItsOwnFolder) {
    const std::wstring tools = run_.Folder() + L"narzędzia";
    ASSERT_TRUE(CreateDirectoryW(tools.c_str(), nullptr));
    run_.CopyProgram(L"record_args.exe", L"narzędzia\\record_args.exe");
    Settings settings = TestSettings();
    settings.Shortcuts[0] = {"Wzgl\xEA" "dny", ".\\narz\xEA" "dzia\\record_args.exe \"a b\"  c", "L"};  // "ę"
    settings.Shortcuts[1] = {"Zmienna", "%VELK_DIR%\\narz\xEA" "dzia\\record_args.exe d", "L"};
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);
    const std::vector<std::vector<std::wstring>> expected{{L"a b", L"c", tools}, {L"d", tools}};
    for (size_t click = 0; click < expected.size(); ++click) {
        ClickSlot(panel, static_cast<int>(click) + 1);
        const std::wstring record = WaitForRecords(click + 1, L"narzędzia\\record_args.txt").at(click);
        int count = 0;
        LPWSTR* arguments = CommandLineToArgvW(record.substr(0, record.find(L'\t')).c_str(), &count);
        std::vector<std::wstring> seen(arguments + 1, arguments + count);
        LocalFree(arguments);
        seen.push_back(record.substr(record.find(L'\t') + 1));  // the working folder
        EXPECT_EQ(seen, expected[click]) << record;
    }
}

TEST_F(Launching, ClockDateEmptyAndHiddenSlotsStartNothing) {
    Settings settings = TestSettings();
    std::string folder(run_.Folder().begin(), run_.Folder().end());
    settings.Shortcuts[0] = {"_ZEGAR", folder + "record_args.exe", "L"};
    settings.Shortcuts[1] = {"_DATA", folder + "record_args.exe", "L"};
    settings.Shortcuts[2] = {"Pusty", "", "L"};
    settings.Shortcuts[3] = {"_NIC", folder + "record_args.exe", "L"};
    settings.Shortcuts[4] = {"Ostatni", "", "L"};
    settings.Shortcuts[5] = {"Znacznik", folder + "record_args.exe", "L"};
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);

    const int windowsBefore = VisibleTopLevelWindows();
    // Before the first tick the clock and date labels are still blank.
    ClickSlot(panel, 1);
    ClickSlot(panel, 2);
    const auto shown = [&](int slot) { return CountColor(CapturePixels(LabelOnScreen(panel, slot)), kWhite) > 10; };
    ASSERT_TRUE(WaitUntil([&] { return shown(1) && shown(2); }, 3000)) << "the first tick wrote both";
    for (int slot : {1, 2, 3, 4}) ClickSlot(panel, slot);
    // The marker's click comes last: its start is the one record.
    ClickSlot(panel, 6);
    ASSERT_FALSE(WaitForRecords(1).empty());
    EXPECT_TRUE(StartedProgramsEnded()) << "a started program or folder window stays open";
    EXPECT_EQ(Recorded().size(), 1u) << "something was started";
    EXPECT_EQ(VisibleTopLevelWindows(), windowsBefore) << "a folder or program window opened";
}

}  // namespace
}  // namespace velk::e2e

namespace velk::e2e {
namespace {

// The dotted focus rectangle over a label's top edge: pixels of the
// background's colour changed there.
int MarkedPixels(HWND panel, int slot, COLORREF background) {
    const RECT label = LabelOnScreen(panel, slot);
    const std::vector<COLORREF> edge = CapturePixels(RECT{label.left, label.top, label.right, label.top + 1});
    return static_cast<int>(edge.size()) - CountColor(edge, background);
}

TEST_F(Launching, TheKeyboardMarksTheUsedLinesRunsTheMarkedOneAndOpensTheMenuThere) {
    const std::string folder(run_.Folder().begin(), run_.Folder().end());
    Settings settings = TestSettings();
    settings.BackgroundMode = BackgroundMode::OwnColor;
    settings.BackgroundColor = 0x000000;
    settings.Shortcuts[0] = {"Pierwszy", folder + "record_args.exe", "L"};
    settings.Shortcuts[2] = {"Drugi", folder + "_DATA.exe", "L"};  // slot 2 unused, so skipped
    settings.Shortcuts[3] = {"_ZEGAR", "", "L"};
    settings.Shortcuts[4] = {"\xA3\xB9ka", folder + "_NIC.exe", "L"};  // "Łąka"
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    EXPECT_EQ(MarkedPixels(panel, 3, kBlack), 0) << "no mark before the keyboard is used";

    PressKeys({VK_DOWN});
    PressKeys({VK_DOWN});
    ASSERT_TRUE(WaitUntil([&] { return MarkedPixels(panel, 3, kBlack) > 10; }, 2000)) << "the mark on the second line";
    EXPECT_EQ(MarkedPixels(panel, 1, kBlack), 0) << "and only there";
    PressKeys({VK_RETURN});
    std::vector<std::wstring> records = WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(Lower(records[0]).find(L"_data.exe"), std::wstring::npos) << records[0];

    // "ł" jumps over the clock to "Łąka"; Space runs it.
    TypeText(L"ł");
    ASSERT_TRUE(WaitUntil([&] { return MarkedPixels(panel, 5, kBlack) > 10; }, 2000));
    PressKeys({VK_SPACE});
    records = WaitForRecords(2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(Lower(records[1]).find(L"_nic.exe"), std::wstring::npos) << records[1];

    PressKeys({VK_SHIFT, VK_F10});
    HWND menu = run_.WaitForWindow(L"#32768", nullptr, 3000);
    ASSERT_NE(menu, nullptr) << "Shift+F10 opens the menu";
    RECT menuAt;
    GetWindowRect(menu, &menuAt);
    const RECT marked = LabelOnScreen(panel, 5);
    EXPECT_LE(std::abs(menuAt.left - marked.left), 2);
    EXPECT_LE(std::abs(menuAt.top - marked.bottom), 2);
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return run_.WaitForWindow(L"#32768", nullptr, 0) == nullptr; }, 2000));
}

TEST_F(Launching, ActivatingTheApplicationsWindowGivesThePanelTheKeyboard) {
    Settings settings = TestSettings();
    settings.Shortcuts[0] = {"Pierwszy", "", "L"};
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);
    HWND application = run_.WaitForWindow(L"TApplication", L"=VELK=", 2000);
    ASSERT_NE(application, nullptr);
    // Away first, to a window of the driver's own.
    HWND other = CreateWindowExW(0, L"STATIC", L"inne", WS_POPUP | WS_VISIBLE, 400, 400, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }, 2000));
    // As the taskbar button or Alt+Tab does.
    SetForegroundWindow(application);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == panel; }, 3000));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(WaitUntil(
        [&] { return GetGUIThreadInfo(GetWindowThreadProcessId(panel, nullptr), &info) && info.hwndFocus == panel; },
        2000));
    DestroyWindow(other);
}

}  // namespace
}  // namespace velk::e2e

namespace velk::e2e {
namespace {

// The panel's accessible object as a screen reader in another process gets
// it. Wine has no proxy for IAccessible across processes, so it is asked
// through IDispatch with the standard DISPIDs of IAccessible.
class AccessibleClient {
public:
    explicit AccessibleClient(HWND window) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                                   reinterpret_cast<void**>(&object_));
    }
    ~AccessibleClient() {
        if (object_) object_->Release();
        CoUninitialize();
    }
    AccessibleClient(const AccessibleClient&) = delete;
    AccessibleClient& operator=(const AccessibleClient&) = delete;
    bool Connected() const { return object_ != nullptr; }

    // The member's result for the child (none for a member without one).
    VARIANT Call(DISPID member, WORD kind, const LONG* child = nullptr) const {
        VARIANT argument;
        VariantInit(&argument);
        DISPPARAMS parameters{};
        if (child) {
            argument.vt = VT_I4;
            argument.lVal = *child;
            parameters.rgvarg = &argument;
            parameters.cArgs = 1;
        }
        VARIANT result;
        VariantInit(&result);
        const HRESULT got = object_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, &result,
                                            nullptr, nullptr);
        if (FAILED(got)) result.vt = VT_ERROR;
        return result;
    }
    std::wstring Text(DISPID member, LONG child) const {
        VARIANT result = Call(member, DISPATCH_PROPERTYGET, &child);
        std::wstring text = result.vt == VT_BSTR && result.bstrVal ? result.bstrVal : L"<none>";
        VariantClear(&result);
        return text;
    }
    LONG Number(DISPID member, const LONG* child = nullptr) const {
        const VARIANT result = Call(member, DISPATCH_PROPERTYGET, child);
        return result.vt == VT_I4 ? result.lVal : -1;
    }

private:
    IDispatch* object_ = nullptr;
};

TEST_F(Launching, AScreenReaderSeesTheUsedLinesByTheirTextsAndRunsThem) {
    const std::string folder(run_.Folder().begin(), run_.Folder().end());
    Settings settings = TestSettings();
    settings.Shortcuts[0] = {"\xA3\xB9ka \xBF\xF3\xB3ta", folder + "_DATA.exe", "L"};  // "Łąka żółta"
    settings.Shortcuts[3] = {"_ZEGAR", "", "L"};  // slots 2 and 3 unused
    settings.ClockSeconds = true;
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);
    const AccessibleClient reader(panel);
    ASSERT_TRUE(reader.Connected());
    EXPECT_EQ(reader.Number(DISPID_ACC_CHILDCOUNT), 2);
    const LONG self = CHILDID_SELF, line = 1, clock = 2;
    EXPECT_EQ(reader.Text(DISPID_ACC_NAME, self), L"=VELK=");
    EXPECT_EQ(reader.Number(DISPID_ACC_ROLE, &self), ROLE_SYSTEM_LIST);
    EXPECT_EQ(reader.Text(DISPID_ACC_NAME, line), L"Łąka żółta");
    EXPECT_EQ(reader.Number(DISPID_ACC_ROLE, &line), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(reader.Text(DISPID_ACC_DEFAULTACTION, line), L"Otwórz");
    EXPECT_EQ(reader.Number(DISPID_ACC_ROLE, &clock), ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(reader.Text(DISPID_ACC_DEFAULTACTION, clock), L"<none>");
    std::wstring time;
    EXPECT_TRUE(WaitUntil(
        [&] {
            time = reader.Text(DISPID_ACC_NAME, clock);
            return std::count(time.begin(), time.end(), L':') == 2;  // the time with its seconds
        },
        3000))
        << time;
    EXPECT_TRUE(WaitUntil([&] { return reader.Text(DISPID_ACC_NAME, clock) != time; }, 3000))
        << "the clock's name follows the clock";

    EXPECT_NE(reader.Call(DISPID_ACC_DODEFAULTACTION, DISPATCH_METHOD, &line).vt, VT_ERROR);
    const std::vector<std::wstring> records = WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(Lower(records[0]).find(L"_data.exe"), std::wstring::npos) << records[0];
}

// DLLs planted beside velk.exe under system DLLs' names, taken first by
// Wine's per-program load order as by Windows' search order (not ole32, a
// KnownDLL that Wine's imm32 takes from there), are never loaded.
TEST(PlantedDlls, AreNeverLoadedByTheStartAScreenReaderOrTheSettingsDialog) {
    VelkRun run;
    std::set<std::wstring> files{L"velk.exe", L"velk.ini"};
    constexpr wchar_t kOrders[] = L"Software\\Wine\\AppDefaults\\velk.exe\\DllOverrides";
    for (const std::wstring dll : {L"dwmapi", L"oleacc", L"oleaut32", L"uxtheme"}) {
        run.CopyProgram(L"planted.dll", *files.insert(dll + L".dll").first);
        RegSetKeyValueW(HKEY_CURRENT_USER, kOrders, dll.c_str(), REG_SZ, L"native,builtin", sizeof L"native,builtin");
    }
    const HWND panel = run.StartWith(TestSettings());
    const AccessibleClient reader(panel);  // a screen reader's request, answered within the call
    EXPECT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'K'});
    EXPECT_NE(run.WaitForWindow(L"Tf_setup", nullptr), nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, kOrders);
    EXPECT_EQ(FilesIn(run.Folder()), files) << "a planted DLL, loaded, leaves its mark";
}

}  // namespace
}  // namespace velk::e2e
