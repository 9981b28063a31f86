#pragma once
// The panel's arithmetic and texts: label geometry, slot kinds, the height
// rule, the clock and date texts, the power keywords.
#include <array>
#include <string>
#include <string_view>

#include "core/alignment.h"
#include "settings/settings_file.h"

namespace velk {

inline constexpr int kPanelClientWidth = 130;
inline constexpr int kPanelDesignClientHeight = 362;
inline constexpr int kPanelDesignLeft = 662;
inline constexpr int kPanelDesignTop = 0;

inline constexpr int kLabelLeft = 8;
inline constexpr int kLabelWidth = 115;
inline constexpr int kLabelHeight = 14;
inline constexpr std::array<int, kSlotCount> kLabelTops = {8,   25,  43,  60,  78,  95,  112, 130, 147, 164,
                                                            182, 199, 217, 234, 251, 269, 286, 303, 321, 338};

inline constexpr std::string_view kClockKeyword = "_ZEGAR";
inline constexpr std::string_view kDateKeyword = "_DATA";

enum class SlotKind { Unused, Ordinary, Clock, Date };
// By the slot's text, compared exactly: "_NIC" or empty, "_ZEGAR", "_DATA".
SlotKind ClassifySlot(std::string_view text);
// A command that is the clock's or the date's marker runs nothing, whatever
// the slot's text.
bool IsTimeMarker(std::string_view command);

// "L" left, "P" right, anything else centred.
Alignment AlignFromCode(std::string_view code);

// The top of the first label of the last run of unused slots, or 0 when the
// last slot is used.
int TrailingEmptyTop(const std::array<ShortcutEntry, kSlotCount>& slots);
// The client height: that top, or the full height when it is 0.
int PanelClientHeight(int trailingEmptyTop);

// The panel's geometry at a dpi: the design values scaled one by one.
struct PanelSize {
    int width, height;
};
PanelSize PanelClientSize(int trailingEmptyTop, int dpi);
struct LabelPlace {
    int left, top, right, bottom;
};
LabelPlace LabelPlaceAt(int slot, int dpi);
// The labels' font height in pixels: Arial 8 points at 96 dpi.
int PanelFontHeight(int dpi);

// "9 : 5 : 7", or "9 : 5" without seconds.
std::string ClockText(int hour, int minute, int second, bool withSeconds);
// "6 . 12 . 2026".
std::string DateText(int day, int month, int year);

// The commands a click turns into a session end, compared exactly.
enum class PowerAction { None, Shutdown, Reboot, Logoff };
PowerAction PowerActionFor(std::string_view command);

}  // namespace velk
