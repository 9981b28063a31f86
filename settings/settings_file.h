#pragma once
// velk.ini: one value per line, meaning by position alone (format mark "4").
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/line_reader.h"

namespace velk {

constexpr int kSlotCount = 20;

// The "Błąd!" box's text when velk.ini cannot be read or written.
inline constexpr wchar_t kCannotOpenSettings[] = L"Nie mogę otworzyć pliku ustawień!";

// One shortcut slot; the three texts are code-page-1250 bytes.
struct ShortcutEntry {
    std::string Text;
    std::string Command;
    std::string Align;
};

// The file's numbers. Any other number read stays as it is, so that a file
// is written back as it was read: the panel leaves its border alone for an
// unknown placement and its background for an unknown mode.
enum class PanelPlacement : int32_t { FixedPanel = 0, ToolWindow = 1 };
enum class BackgroundMode : int32_t { DesktopColor = 0, OwnColor = 1, StretchedPicture = 2, TiledPicture = 3 };
// What the line after the mode holds: the colour, or the picture's path.
bool ModeHasColor(BackgroundMode mode);
bool ModeHasPicture(BackgroundMode mode);

struct Settings {
    PanelPlacement Placement = PanelPlacement::FixedPanel;
    int32_t PosX = 0;
    int32_t PosY = 0;
    bool HoverHighlight = false;
    bool ClockSeconds = false;
    bool MonitorStarts = false;
    bool MonitorInfoWindow = false;
    std::string MonitorInfoSeconds;  // kept as the user typed it
    std::array<ShortcutEntry, kSlotCount> Shortcuts;
    int32_t ActiveColor = 0;
    int32_t InactiveColor = 0;
    velk::BackgroundMode BackgroundMode = velk::BackgroundMode::DesktopColor;
    int32_t BackgroundColor = 0;
    std::string BackgroundPicture;
    bool MonitorShutdowns = false;
};

// The two readers of the file differ in small ways: the panel takes the
// background mode as it stands and the info-window flag whatever line 7 says;
// the dialog clamps the mode like its radio group (above 3 -> 3, below -1 ->
// -1) and takes line 8 only when line 7 is non-zero.
enum class SettingsReader { Panel, Dialog };

// Lenient decimal: leading white space, optional sign, digits up to the first
// other character; no digits give 0; overflow wraps as 32-bit two's complement.
int32_t ParseInt(std::string_view line);

// Reads the whole record from the reader in file order. Missing lines read as
// empty text. Unused, clock and date slots keep all three texts.
Settings ReadSettings(LineReader& reader, SettingsReader who);

// The exact bytes the save writes: 73 or 74 lines, each ended by CR LF.
std::string FormatSettings(const Settings& settings);

// Slot texts that are keywords rather than shortcuts.
bool IsUnusedSlotText(std::string_view text);  // "_NIC" or empty

}  // namespace velk
