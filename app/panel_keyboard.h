#pragma once
// The panel worked from the keyboard: a mark moved over the used lines, Enter
// or Space running the marked line as a click does, a first letter jumping,
// the menu opened at the marked line. The mark shows only once the keyboard
// has been used (the system's keyboard cues), so mouse users see the panel
// as ever.
#include <windows.h>

#include <functional>

#include "app/keyboard_mark.h"
#include "app/shortcut_lines.h"

namespace velk {

// What the keys ask of the panel.
struct KeyboardActions {
    std::function<void(int line)> RunLine;
    std::function<void()> OpenMenu;
    std::function<void()> MarkMoved;
};

class PanelKeyboard {
public:
    PanelKeyboard(const ShortcutLines& lines, KeyboardActions actions)
        : lines_(lines), actions_(std::move(actions)) {}

    void Attach(HWND window) { window_ = window; }

    // True when the key was the panel's.
    bool OnKeyDown(WPARAM key);
    void OnChar(wchar_t character);
    void OnUpdateUiState(WPARAM wParam);

    int Mark() const { return mark_; }
    void SetMark(int line);
    // Where the menu opens from the keyboard, in screen coordinates: below
    // the marked line, or at the panel's corner without one.
    POINT MenuPoint() const;
    // The focus rectangle, drawn on the finished picture.
    void Draw(HDC dc) const;

private:
    bool MarkOnUsedLine() const { return mark_ != kNoMark && lines_[mark_].View.Visible; }
    void RunMarkedLine() {
        if (MarkOnUsedLine()) actions_.RunLine(mark_);
    }
    void InvalidateMark() const;

    const ShortcutLines& lines_;
    KeyboardActions actions_;
    HWND window_ = nullptr;
    int mark_ = kNoMark;      // none at first
    bool showFocus_ = false;  // the keyboard cues: shown once the keyboard is used
};

}  // namespace velk
