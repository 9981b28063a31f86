// The panel to a screen reader: a list "=VELK=" whose children are the used
// lines with their shown texts, clock and date as static texts, "Otwórz" for
// the lines that run something. Focus and name changes are told as they come,
// the seconds clock's at most once a minute.
#include "app/main_form.h"
#include "settings/settings_file.h"

namespace velk {

namespace {

constexpr DWORD kClockNewsEveryMs = 60000;

}  // namespace

std::vector<int> Tf_main::UsedLines() const {
    std::vector<int> lines;
    for (int line = 0; line < kSlotCount; ++line)
        if (labels_[static_cast<size_t>(line)].View.Visible) lines.push_back(line);
    return lines;
}

std::vector<AccessibleItem> Tf_main::AccessibleItems() const {
    std::vector<AccessibleItem> items;
    for (int line : UsedLines()) {
        const PanelLabel& label = labels_[static_cast<size_t>(line)];
        const bool timeLine = line == ClockLabel || line == DateLabel;
        items.push_back({label.View.Caption, timeLine, timeLine || label.Command.empty() ? L"" : L"Otwórz",
                         label.View.Bounds});
    }
    return items;
}

int Tf_main::AccessibleFocus() const { return ChildOfLine(mark_) - 1; }

int Tf_main::ChildOfLine(int line) const {
    const std::vector<int> lines = UsedLines();
    for (size_t child = 0; child < lines.size(); ++child)
        if (lines[child] == line) return static_cast<int>(child) + 1;
    return CHILDID_SELF;
}

void Tf_main::AccessibleSelect(int item) {
    const std::vector<int> lines = UsedLines();
    if (item >= 0 && item < static_cast<int>(lines.size())) SetMark(lines[static_cast<size_t>(item)]);
}

void Tf_main::AccessibleDoDefaultAction(int item) {
    const std::vector<int> lines = UsedLines();
    if (item >= 0 && item < static_cast<int>(lines.size()))
        PostMessageW(hwnd(), kRunLineMessage, static_cast<WPARAM>(lines[static_cast<size_t>(item)]), 0);
}

LRESULT Tf_main::OnGetObject(WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT) || !accessible_)
        return DefaultHandling(WM_GETOBJECT, wParam, lParam);
    return accessible_->Answer(wParam);
}

void Tf_main::ReleaseAccessible() {
    if (!accessible_) return;
    accessible_->Disconnect();
    accessible_->Release();
    accessible_ = nullptr;
}

void Tf_main::TellFocus() const {
    if (GetFocus() == hwnd()) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd(), OBJID_CLIENT, ChildOfLine(mark_));
}

void Tf_main::TellNameChange(int line) {
    if (line == ClockLabel && ClockSeconds) {
        const DWORD now = GetTickCount();
        if (clockNewsTold_ && now - lastClockNews_ < kClockNewsEveryMs) return;
        clockNewsTold_ = true;
        lastClockNews_ = now;
    }
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, ChildOfLine(line));
}

}  // namespace velk
