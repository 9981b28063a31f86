#include "app/panel_screen_reader.h"

namespace velk {

namespace {

constexpr DWORD kClockNewsEveryMs = 60000;

}  // namespace

void PanelScreenReader::Attach(HWND window) {
    window_ = window;
    accessible_ = new AccessibleList(window, L"=VELK=", *this);
}

void PanelScreenReader::Release() {
    if (!accessible_) return;
    accessible_->Disconnect();
    accessible_->Release();
    accessible_ = nullptr;
}

bool PanelScreenReader::Answers(LPARAM objectId) const {
    return accessible_ && static_cast<LONG>(objectId) == static_cast<LONG>(OBJID_CLIENT);
}

std::vector<int> PanelScreenReader::UsedLines() const {
    std::vector<int> lines;
    const velk::UsedLines used = lines_.Used();
    for (int line = 0; line < kSlotCount; ++line)
        if (used[static_cast<size_t>(line)]) lines.push_back(line);
    return lines;
}

std::vector<AccessibleItem> PanelScreenReader::AccessibleItems() const {
    std::vector<AccessibleItem> items;
    for (int line : UsedLines()) {
        const PanelLabel& label = lines_[line];
        const bool timeLine = line == lines_.ClockLine() || line == lines_.DateLine();
        items.push_back({label.View.Caption, timeLine, timeLine || label.Command.empty() ? L"" : L"Otwórz",
                         label.View.Bounds});
    }
    return items;
}

int PanelScreenReader::AccessibleFocus() const { return ChildOfLine(keyboard_.Mark()) - 1; }

int PanelScreenReader::ChildOfLine(int line) const {
    const std::vector<int> lines = UsedLines();
    for (size_t child = 0; child < lines.size(); ++child)
        if (lines[child] == line) return static_cast<int>(child) + 1;
    return CHILDID_SELF;
}

void PanelScreenReader::AccessibleSelect(int item) {
    const std::vector<int> lines = UsedLines();
    if (item >= 0 && item < static_cast<int>(lines.size())) keyboard_.SetMark(lines[static_cast<size_t>(item)]);
}

void PanelScreenReader::AccessibleDoDefaultAction(int item) {
    const std::vector<int> lines = UsedLines();
    if (item >= 0 && item < static_cast<int>(lines.size()))
        PostMessageW(window_, runLineMessage_, static_cast<WPARAM>(lines[static_cast<size_t>(item)]), 0);
}

void PanelScreenReader::TellFocus() const {
    if (GetFocus() == window_)
        NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, ChildOfLine(keyboard_.Mark()));
}

void PanelScreenReader::TellNameChange(int line) {
    if (line == lines_.ClockLine() && lines_.ClockSeconds()) {
        const DWORD now = GetTickCount();
        if (clockNewsTold_ && now - lastClockNews_ < kClockNewsEveryMs) return;
        clockNewsTold_ = true;
        lastClockNews_ = now;
    }
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, ChildOfLine(line));
}

}  // namespace velk
