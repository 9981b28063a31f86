#include "settings/settings_file.h"

#include <algorithm>

#include "core/decimal.h"

namespace velk {

bool ModeHasColor(BackgroundMode mode) { return mode == BackgroundMode::OwnColor; }

bool ModeHasPicture(BackgroundMode mode) {
    return mode == BackgroundMode::StretchedPicture || mode == BackgroundMode::TiledPicture;
}

namespace {

constexpr std::string_view kFormatMark = "4";
constexpr std::string_view kLineEnd = "\r\n";

// The dialog's radio groups show a value above their last item as the last
// item and a value below -1 as -1 (nothing chosen).
template <typename Choice>
Choice ClampToRadioGroup(int32_t value, Choice lastItem) {
    return static_cast<Choice>(std::clamp(value, int32_t{-1}, static_cast<int32_t>(lastItem)));
}

bool ReadFlag(LineReader& reader) {
    return ParseInt(reader.Next()) != 0;
}

void AppendLine(std::string& out, std::string_view value) {
    out.append(value);
    out.append(kLineEnd);
}

// A line break or Ctrl-Z inside a value would shift every later line of this
// positional file, or end it early; the value is cut there instead, as a
// single-line edit box keeps only the first line of a pasted text.
void AppendTextLine(std::string& out, std::string_view text) {
    AppendLine(out, text.substr(0, text.find_first_of("\r\n\x1A")));
}

void AppendIntLine(std::string& out, int32_t value) {
    AppendLine(out, std::to_string(value));
}

void AppendFlagLine(std::string& out, bool value) {
    AppendLine(out, value ? "1" : "0");
}

}  // namespace

int32_t ParseInt(std::string_view line) {
    return ReadDecimal(SkipCSpace(line)).wrapped;
}

Settings ReadSettings(LineReader& reader, SettingsReader who) {
    const bool dialog = who == SettingsReader::Dialog;
    Settings settings;
    reader.Next();  // format mark, never checked
    const int32_t placement = ParseInt(reader.Next());
    settings.Placement = dialog ? ClampToRadioGroup(placement, PanelPlacement::ToolWindow)
                                : static_cast<PanelPlacement>(placement);
    settings.PosX = ParseInt(reader.Next());
    settings.PosY = ParseInt(reader.Next());
    settings.HoverHighlight = ReadFlag(reader);
    settings.ClockSeconds = ReadFlag(reader);
    settings.MonitorStarts = ReadFlag(reader);
    const bool infoWindow = ReadFlag(reader);
    settings.MonitorInfoWindow = dialog ? settings.MonitorStarts && infoWindow : infoWindow;
    settings.MonitorInfoSeconds = reader.Next();
    for (ShortcutEntry& slot : settings.Shortcuts) {
        slot.Text = reader.Next();
        slot.Command = reader.Next();
        slot.Align = reader.Next();
    }
    settings.ActiveColor = ParseInt(reader.Next());
    settings.InactiveColor = ParseInt(reader.Next());
    const int32_t mode = ParseInt(reader.Next());
    settings.BackgroundMode = dialog ? ClampToRadioGroup(mode, BackgroundMode::TiledPicture)
                                     : static_cast<BackgroundMode>(mode);
    if (ModeHasColor(settings.BackgroundMode)) {
        settings.BackgroundColor = ParseInt(reader.Next());
    } else if (ModeHasPicture(settings.BackgroundMode)) {
        settings.BackgroundPicture = reader.Next();
    }
    // Only exactly 1 switches shutdown logging on, for both readers.
    settings.MonitorShutdowns = ParseInt(reader.Next()) == 1;
    return settings;
}

std::string FormatSettings(const Settings& settings) {
    std::string out;
    AppendLine(out, kFormatMark);
    AppendIntLine(out, static_cast<int32_t>(settings.Placement));
    AppendIntLine(out, settings.PosX);
    AppendIntLine(out, settings.PosY);
    AppendFlagLine(out, settings.HoverHighlight);
    AppendFlagLine(out, settings.ClockSeconds);
    AppendFlagLine(out, settings.MonitorStarts);
    AppendFlagLine(out, settings.MonitorStarts && settings.MonitorInfoWindow);
    AppendTextLine(out, settings.MonitorInfoSeconds);
    for (const ShortcutEntry& slot : settings.Shortcuts) {
        AppendTextLine(out, slot.Text);
        AppendTextLine(out, slot.Command);
        AppendTextLine(out, slot.Align);
    }
    AppendIntLine(out, settings.ActiveColor);
    AppendIntLine(out, settings.InactiveColor);
    AppendIntLine(out, static_cast<int32_t>(settings.BackgroundMode));
    if (ModeHasColor(settings.BackgroundMode)) {
        AppendIntLine(out, settings.BackgroundColor);
    } else if (ModeHasPicture(settings.BackgroundMode)) {
        AppendTextLine(out, settings.BackgroundPicture);
    }
    AppendFlagLine(out, settings.MonitorShutdowns);
    return out;
}

bool IsUnusedSlotText(std::string_view text) {
    return text.empty() || text == "_NIC";
}

}  // namespace velk
