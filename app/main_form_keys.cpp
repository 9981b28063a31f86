// The panel worked from the keyboard: a mark moved over the used lines, Enter
// or Space running the marked line as a click does, a first letter jumping,
// the menu opened at the marked line. The mark shows only once the keyboard
// has been used (the system's keyboard cues), so mouse users see the panel
// as ever.
#include "app/keyboard_mark.h"
#include "app/main_form.h"
#include "win/text.h"

namespace velk {

namespace {

UsedLines UsedOf(const std::array<PanelLabel, kSlotCount>& labels) {
    UsedLines used{};
    for (size_t line = 0; line < used.size(); ++line) used[line] = labels[line].View.Visible;
    return used;
}

}  // namespace

bool Tf_main::OnKeyDown(WPARAM key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
    case VK_UP: SetMark(MoveMark(UsedOf(labels_), mark_, MarkMove::Up)); return true;
    case VK_DOWN: SetMark(MoveMark(UsedOf(labels_), mark_, MarkMove::Down)); return true;
    case VK_HOME: SetMark(MoveMark(UsedOf(labels_), mark_, MarkMove::First)); return true;
    case VK_END: SetMark(MoveMark(UsedOf(labels_), mark_, MarkMove::Last)); return true;
    case VK_RETURN:
    case VK_SPACE:
        if (mark_ != kNoMark && labels_[static_cast<size_t>(mark_)].View.Visible) Label4Click(mark_);
        return true;
    case VK_APPS: OpenMenuAtMark(); return true;
    case VK_F10:
        if (!shift) return false;
        OpenMenuAtMark();
        return true;
    default: return false;
    }
}

void Tf_main::OnChar(wchar_t character) {
    if (character <= L' ') return;  // Enter, Space and control characters are keys, not letters
    const std::string letter = ToCp1250(std::wstring_view(&character, 1));
    std::array<std::string, kSlotCount> texts;
    for (size_t line = 0; line < texts.size(); ++line) texts[line] = ToCp1250(labels_[line].View.Caption);
    SetMark(MarkByLetter(texts, UsedOf(labels_), mark_, letter.empty() ? '\0' : letter[0]));
}

void Tf_main::SetMark(int line) {
    // The keyboard was used: the cues show from now on, here and in the
    // system's state of the window.
    if (!showFocus_) {
        showFocus_ = true;
        SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    if (line == mark_) {
        InvalidateMark();
        return;
    }
    InvalidateMark();
    mark_ = line;
    InvalidateMark();
    TellFocus();
}

void Tf_main::InvalidateMark() const {
    if (mark_ == kNoMark) return;
    const RECT bounds = labels_[static_cast<size_t>(mark_)].View.Bounds;
    InvalidateRect(hwnd(), &bounds, FALSE);
}

void Tf_main::OnUpdateUiState(WPARAM wParam) {
    if (!(HIWORD(wParam) & UISF_HIDEFOCUS)) return;
    const WORD action = LOWORD(wParam);
    if (action == UIS_CLEAR) showFocus_ = true;
    if (action == UIS_SET) showFocus_ = false;
    InvalidateMark();
}

void Tf_main::DrawMark(HDC dc) const {
    if (!showFocus_ || mark_ == kNoMark) return;
    const PanelLabel& label = labels_[static_cast<size_t>(mark_)];
    if (!label.View.Visible) return;
    // The focus rectangle inverts what is under it: drawn on the finished
    // picture, once.
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &label.View.Bounds);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

void Tf_main::OpenMenuAtMark() {
    POINT at{0, 0};
    if (mark_ != kNoMark && labels_[static_cast<size_t>(mark_)].View.Visible) {
        const RECT& bounds = labels_[static_cast<size_t>(mark_)].View.Bounds;
        at = POINT{bounds.left, bounds.bottom};
    }
    ClientToScreen(hwnd(), &at);
    PopupMenu1.Track(hwnd(), at);
}

}  // namespace velk
