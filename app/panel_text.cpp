#include "app/panel_text.h"

#include "core/dpi_scale.h"

namespace velk {

SlotKind ClassifySlot(std::string_view text) {
    if (IsUnusedSlotText(text)) return SlotKind::Unused;
    if (text == kClockKeyword) return SlotKind::Clock;
    if (text == kDateKeyword) return SlotKind::Date;
    return SlotKind::Ordinary;
}

bool IsTimeMarker(std::string_view command) { return command == kClockKeyword || command == kDateKeyword; }

Alignment AlignFromCode(std::string_view code) {
    if (code == "L") return Alignment::Left;
    if (code == "P") return Alignment::Right;
    return Alignment::Centre;
}

int TrailingEmptyTop(const std::array<ShortcutEntry, kSlotCount>& slots) {
    int top = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (ClassifySlot(slots[slot].Text) != SlotKind::Unused)
            top = 0;
        else if (top == 0)
            top = kLabelTops[slot];
    }
    return top;
}

int PanelClientHeight(int trailingEmptyTop) {
    return trailingEmptyTop != 0 ? trailingEmptyTop : kPanelDesignClientHeight;
}

PanelSize PanelClientSize(int trailingEmptyTop, int dpi) {
    return {ScaleToDpi(kPanelClientWidth, dpi), ScaleToDpi(PanelClientHeight(trailingEmptyTop), dpi)};
}

LabelPlace LabelPlaceAt(int slot, int dpi) {
    const int top = kLabelTops[static_cast<size_t>(slot)];
    return {ScaleToDpi(kLabelLeft, dpi), ScaleToDpi(top, dpi), ScaleToDpi(kLabelLeft + kLabelWidth, dpi),
            ScaleToDpi(top + kLabelHeight, dpi)};
}

int PanelFontHeight(int dpi) { return ScaleToDpi(11, dpi); }

std::string ClockText(int hour, int minute, int second, bool withSeconds) {
    std::string text = std::to_string(hour) + " : " + std::to_string(minute);
    if (withSeconds) text += " : " + std::to_string(second);
    return text;
}

std::string DateText(int day, int month, int year) {
    return std::to_string(day) + " . " + std::to_string(month) + " . " + std::to_string(year);
}

PowerAction PowerActionFor(std::string_view command) {
    if (command == "_SHUTDOWN") return PowerAction::Shutdown;
    if (command == "_REBOOT") return PowerAction::Reboot;
    if (command == "_LOGOFF") return PowerAction::Logoff;
    return PowerAction::None;
}

}  // namespace velk
