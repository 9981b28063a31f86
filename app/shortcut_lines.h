#pragma once
// The panel's twenty lines, Label1 to Label20: what each slot shows and
// runs, its colour under the pointer, and the clock and date texts the
// timer writes.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/keyboard_mark.h"
#include "app/panel_text.h"
#include "settings/settings_file.h"
#include "ui/label.h"
#include "win/handles.h"

namespace velk {

struct PanelLabel {
    Label View;
    std::string Command;  // code-page-1250 bytes, never shown
    // The command is a clock or date marker: the line runs nothing and
    // takes no highlight.
    bool RunsNothing = false;
};

class ShortcutLines {
public:
    ShortcutLines();

    // The window the lines are drawn in and repainted through.
    void Attach(HWND window) { window_ = window; }
    // The places and the font at the window's dpi.
    void ApplyDpi(int dpi);

    // A load starts: the clock and date are off until a slot turns them on.
    void BeginLoad();
    // The display options and the slots, in file order.
    void Apply(const Settings& settings);
    void ApplyColors(const Settings& settings);
    // The top of the trailing unused slots, 0 when the last slot is used.
    int TrailingEmptyTop() const { return trailingEmptyTop_; }
    bool HoverHighlight() const { return hoverHighlight_; }
    // True while a clock or a date line needs the timer.
    bool ShowTime() const { return clockOn_ || dateOn_; }
    int ClockLine() const { return clockLine_; }
    int DateLine() const { return dateLine_; }
    bool ClockSeconds() const { return clockSeconds_; }

    // Writes the present time into the clock and date lines; told of each
    // line whose text changed.
    void Tick(const std::function<void(int line)>& nameChanged);

    // The visible line under a client point, or -1.
    int LineAt(POINT point) const;
    const PanelLabel& operator[](int line) const { return labels_[static_cast<size_t>(line)]; }
    const std::array<PanelLabel, kSlotCount>& All() const { return labels_; }
    UsedLines Used() const;

    // The pointer over a line: it takes the active colour, the others the
    // inactive one; clock and date lines change nothing.
    void Highlight(int line);
    void ResetColors();

    void Draw(HDC dc, const RECT& area) const;

private:
    void ApplySlot(int line, const ShortcutEntry& slot);
    void SetColor(PanelLabel& label, int32_t color);
    // True when the text changed.
    bool SetCaption(PanelLabel& label, std::wstring caption);
    void Repaint(const PanelLabel& label) const;

    HWND window_ = nullptr;
    std::array<PanelLabel, kSlotCount> labels_;
    Font font_;
    bool hoverHighlight_ = false;
    int32_t activeColor_ = kDesignActiveColor;
    int32_t inactiveColor_ = kDesignInactiveColor;
    bool clockSeconds_ = false;
    bool clockOn_ = false;
    bool dateOn_ = false;
    int clockLine_ = -1;
    int dateLine_ = -1;
    int trailingEmptyTop_ = 0;
};

}  // namespace velk
