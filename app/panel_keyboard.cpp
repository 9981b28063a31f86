#include "app/panel_keyboard.h"

#include "win/text.h"

namespace velk {

bool PanelKeyboard::OnKeyDown(WPARAM key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
    case VK_UP: SetMark(MoveMark(lines_.Used(), mark_, MarkMove::Up)); return true;
    case VK_DOWN: SetMark(MoveMark(lines_.Used(), mark_, MarkMove::Down)); return true;
    case VK_HOME: SetMark(MoveMark(lines_.Used(), mark_, MarkMove::First)); return true;
    case VK_END: SetMark(MoveMark(lines_.Used(), mark_, MarkMove::Last)); return true;
    case VK_RETURN:
    case VK_SPACE: RunMarkedLine(); return true;
    case VK_APPS: actions_.OpenMenu(); return true;
    case VK_F10: if (shift) actions_.OpenMenu(); return shift;  // Shift+F10 only
    default: return false;
    }
}

void PanelKeyboard::OnChar(wchar_t character) {
    if (character <= L' ') return;  // Enter, Space and control characters are keys, not letters
    // A letter that code page 1250 has no byte for begins no line: it is
    // not the '?' it would be stored as.
    bool lost = false;
    const std::string letter = ToCp1250(std::wstring_view(&character, 1), &lost);
    std::array<std::string, kSlotCount> texts;
    for (size_t line = 0; line < texts.size(); ++line) texts[line] = ToCp1250(lines_.All()[line].View.Caption);
    SetMark(MarkByLetter(texts, lines_.Used(), mark_, letter.empty() || lost ? '\0' : letter[0]));
}

void PanelKeyboard::SetMark(int line) {
    // The keyboard was used: the cues show from now on, here and in the
    // system's state of the window.
    if (!showFocus_) {
        showFocus_ = true;
        SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    if (line == mark_) {
        InvalidateMark();
        return;
    }
    InvalidateMark();
    mark_ = line;
    InvalidateMark();
    actions_.MarkMoved();
}

void PanelKeyboard::InvalidateMark() const {
    if (mark_ == kNoMark) return;
    const RECT bounds = lines_[mark_].View.Bounds;
    InvalidateRect(window_, &bounds, FALSE);
}

void PanelKeyboard::OnUpdateUiState(WPARAM wParam) {
    if (!(HIWORD(wParam) & UISF_HIDEFOCUS)) return;
    const WORD action = LOWORD(wParam);
    if (action == UIS_CLEAR) showFocus_ = true;
    if (action == UIS_SET) showFocus_ = false;
    InvalidateMark();
}

void PanelKeyboard::Draw(HDC dc) const {
    if (!showFocus_ || !MarkOnUsedLine()) return;
    // The focus rectangle inverts what is under it: drawn once.
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &lines_[mark_].View.Bounds);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

POINT PanelKeyboard::MenuPoint() const {
    POINT at{0, 0};
    if (MarkOnUsedLine()) {
        const RECT& bounds = lines_[mark_].View.Bounds;
        at = POINT{bounds.left, bounds.bottom};
    }
    ClientToScreen(window_, &at);
    return at;
}

}  // namespace velk
