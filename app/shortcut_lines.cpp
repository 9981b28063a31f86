#include "app/shortcut_lines.h"

#include "win/fonts.h"
#include "win/stored_color.h"
#include "win/text.h"

namespace velk {

namespace {

void ShowUnused(PanelLabel& label) {
    label.View.Visible = false;
    label.View.Align = Alignment::Centre;
    label.View.Caption.clear();
    label.Command.clear();
}

// A clock or date line: its text is the time's, its command the marker.
void ShowTimeLine(PanelLabel& label, const std::string& marker) {
    label.View.Visible = true;
    label.View.Align = Alignment::Centre;
    label.View.Caption.clear();
    label.Command = marker;
}

void ShowShortcut(PanelLabel& label, const ShortcutEntry& slot) {
    label.View.Visible = true;
    label.View.Caption = FromCp1250(slot.Text);
    label.Command = slot.Command;
    label.View.Align = AlignFromCode(slot.Align);
}

}  // namespace

ShortcutLines::ShortcutLines() {
    for (PanelLabel& label : labels_) {
        label.View.Caption = L" ";
        label.View.Color = static_cast<COLORREF>(kDesignInactiveColor);
    }
}

void ShortcutLines::ApplyDpi(int dpi) {
    for (int line = 0; line < kSlotCount; ++line) {
        const LabelPlace place = LabelPlaceAt(line, dpi);
        labels_[static_cast<size_t>(line)].View.Bounds = RECT{place.left, place.top, place.right, place.bottom};
    }
    font_ = MakeFont(PanelFontHeight(dpi), FW_BOLD, false, EASTEUROPE_CHARSET, L"Arial");
}

void ShortcutLines::BeginLoad() {
    clockOn_ = false;
    dateOn_ = false;
    clockSeconds_ = false;
}

void ShortcutLines::Apply(const Settings& settings) {
    hoverHighlight_ = settings.HoverHighlight;
    clockSeconds_ = settings.ClockSeconds;
    for (int line = 0; line < kSlotCount; ++line) ApplySlot(line, settings.Shortcuts[static_cast<size_t>(line)]);
    trailingEmptyTop_ = velk::TrailingEmptyTop(settings.Shortcuts);
}

void ShortcutLines::ApplySlot(int line, const ShortcutEntry& slot) {
    PanelLabel& label = labels_[static_cast<size_t>(line)];
    const SlotKind kind = ClassifySlot(slot.Text);
    switch (kind) {
    case SlotKind::Unused: ShowUnused(label); break;
    case SlotKind::Clock:
    case SlotKind::Date: ShowTimeLine(label, slot.Text); break;
    case SlotKind::Ordinary: ShowShortcut(label, slot); break;
    }
    if (kind == SlotKind::Clock) {
        clockLine_ = line;
        clockOn_ = true;
    }
    if (kind == SlotKind::Date) {
        dateLine_ = line;
        dateOn_ = true;
    }
    label.RunsNothing = IsTimeMarker(label.Command);
}

void ShortcutLines::ApplyColors(const Settings& settings) {
    activeColor_ = settings.ActiveColor;
    inactiveColor_ = settings.InactiveColor;
    if (!hoverHighlight_) ResetColors();
}

void ShortcutLines::Tick(const std::function<void(int line)>& nameChanged) {
    if (clockOn_) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        if (SetCaption(labels_[static_cast<size_t>(clockLine_)],
                       FromCp1250(ClockText(now.wHour, now.wMinute, now.wSecond, clockSeconds_))))
            nameChanged(clockLine_);
    }
    if (dateOn_) {
        SYSTEMTIME today;
        GetLocalTime(&today);
        if (SetCaption(labels_[static_cast<size_t>(dateLine_)],
                       FromCp1250(DateText(today.wDay, today.wMonth, today.wYear))))
            nameChanged(dateLine_);
    }
}

int ShortcutLines::LineAt(POINT point) const {
    for (int line = 0; line < kSlotCount; ++line)
        if (labels_[static_cast<size_t>(line)].View.Contains(point)) return line;
    return -1;
}

UsedLines ShortcutLines::Used() const {
    UsedLines used{};
    for (size_t line = 0; line < used.size(); ++line) used[line] = labels_[line].View.Visible;
    return used;
}

void ShortcutLines::Highlight(int line) {
    PanelLabel& label = labels_[static_cast<size_t>(line)];
    if (label.RunsNothing) return;
    ResetColors();
    SetColor(label, activeColor_);
}

void ShortcutLines::ResetColors() {
    for (PanelLabel& label : labels_) SetColor(label, inactiveColor_);
}

void ShortcutLines::SetColor(PanelLabel& label, int32_t color) {
    const COLORREF resolved = ResolveColor(color);
    if (label.View.Color == resolved) return;
    label.View.Color = resolved;
    Repaint(label);
}

bool ShortcutLines::SetCaption(PanelLabel& label, std::wstring caption) {
    if (label.View.Caption == caption) return false;
    label.View.Caption = std::move(caption);
    Repaint(label);
    return true;
}

void ShortcutLines::Repaint(const PanelLabel& label) const {
    if (label.View.Visible) InvalidateRect(window_, &label.View.Bounds, FALSE);
}

void ShortcutLines::Draw(HDC dc, const RECT& area) const {
    for (const PanelLabel& label : labels_) {
        RECT overlap;
        if (IntersectRect(&overlap, &label.View.Bounds, &area)) label.View.Draw(dc, font_.get());
    }
}

}  // namespace velk
