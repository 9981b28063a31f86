#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace velk {
namespace {

// A velk.ini as the dialog saves it: a movable panel at (900, 40) with hover
// colouring, starts logged with a 10-second info window, a program in slot 1,
// the clock in slot 2, a tiled picture and shutdowns not logged.
std::string ExampleFile() {
    std::string file = "4\r\n1\r\n900\r\n40\r\n1\r\n0\r\n1\r\n1\r\n10\r\n"
                       "Notatnik\r\nnotepad.exe\r\nL\r\n"
                       "_ZEGAR\r\n\r\n\r\n";
    for (int slot = 3; slot <= kSlotCount; ++slot) {
        file += "\r\n\r\n\r\n";
    }
    file += "16711935\r\n16777215\r\n3\r\nC:\\Obrazy\\tlo.bmp\r\n0\r\n";
    return file;
}

std::vector<std::string> Lines(const std::string& file) {
    std::vector<std::string> lines;
    LineReader reader = LineReader::FromText(file);
    while (!reader.AtEnd()) {
        lines.push_back(reader.Next());
    }
    return lines;
}

// Every field, the ones a save leaves out included, so that two reads can be
// compared with a readable difference.
std::string Describe(const Settings& s) {
    std::string text = std::to_string(static_cast<int32_t>(s.Placement)) + " " + std::to_string(s.PosX) + " " +
                       std::to_string(s.PosY) + " " + std::to_string(s.HoverHighlight) +
                       std::to_string(s.ClockSeconds) + std::to_string(s.MonitorStarts) +
                       std::to_string(s.MonitorInfoWindow) + " [" + s.MonitorInfoSeconds + "]";
    for (const ShortcutEntry& slot : s.Shortcuts) {
        text += " [" + slot.Text + "|" + slot.Command + "|" + slot.Align + "]";
    }
    return text + " " + std::to_string(s.ActiveColor) + " " + std::to_string(s.InactiveColor) +
           " " + std::to_string(static_cast<int32_t>(s.BackgroundMode)) + " " + std::to_string(s.BackgroundColor) +
           " [" + s.BackgroundPicture + "] " + std::to_string(s.MonitorShutdowns);
}

Settings Read(const std::string& file, SettingsReader who = SettingsReader::Panel) {
    LineReader reader = LineReader::FromText(file);
    return ReadSettings(reader, who);
}

// Hands the text out in pieces of at most `piece` bytes per call.
LineReader::Source PiecewiseSource(const std::string& text, size_t piece) {
    size_t given = 0;
    return [&text, piece, given](char* buf, size_t cap) mutable {
        const size_t count = std::min({piece, cap, text.size() - given});
        std::copy_n(text.data() + given, count, buf);
        given += count;
        return count;
    };
}

// The example file with lines replaced, numbered from 1.
std::string WithLines(std::initializer_list<std::pair<int, std::string>> changes) {
    std::vector<std::string> lines = Lines(ExampleFile());
    for (const auto& [number, value] : changes) {
        lines.at(static_cast<size_t>(number - 1)) = value;
    }
    std::string file;
    for (const std::string& line : lines) {
        file += line + "\r\n";
    }
    return file;
}

std::string WithLine(int number, const std::string& value) {
    return WithLines({{number, value}});
}

TEST(SettingsFileTest, ExampleFileReadsAndSavesByteForByte) {
    for (SettingsReader who : {SettingsReader::Panel, SettingsReader::Dialog}) {
        const Settings s = Read(ExampleFile(), who);
        EXPECT_EQ(s.Placement, PanelPlacement::ToolWindow);
        EXPECT_EQ(s.PosX, 900);
        EXPECT_EQ(s.PosY, 40);
        EXPECT_TRUE(s.HoverHighlight);
        EXPECT_FALSE(s.ClockSeconds);
        EXPECT_TRUE(s.MonitorStarts);
        EXPECT_TRUE(s.MonitorInfoWindow);
        EXPECT_EQ(s.MonitorInfoSeconds, "10");
        EXPECT_EQ(s.Shortcuts[0].Text, "Notatnik");
        EXPECT_EQ(s.Shortcuts[0].Command, "notepad.exe");
        EXPECT_EQ(s.Shortcuts[0].Align, "L");
        EXPECT_EQ(s.Shortcuts[1].Text, "_ZEGAR");
        EXPECT_EQ(s.Shortcuts[19].Text, "");
        EXPECT_EQ(s.ActiveColor, 16711935);
        EXPECT_EQ(s.InactiveColor, 16777215);
        EXPECT_EQ(s.BackgroundMode, BackgroundMode::TiledPicture);
        EXPECT_EQ(s.BackgroundPicture, "C:\\Obrazy\\tlo.bmp");
        EXPECT_FALSE(s.MonitorShutdowns);
        EXPECT_EQ(FormatSettings(s), ExampleFile());
    }
}

TEST(SettingsFileTest, SaveWritesLine73OnlyForColourAndPictureModes) {
    Settings s;
    s.BackgroundColor = static_cast<int32_t>(0x80000005u);
    s.BackgroundPicture = "C:\\t\xB3o.bmp";
    s.MonitorShutdowns = true;
    struct Case {
        int32_t mode;
        size_t lineCount;
        std::string line73;
    };
    for (const Case& c : {Case{0, 73, "1"}, Case{1, 74, "-2147483643"}, Case{2, 74, "C:\\t\xB3o.bmp"},
                          Case{3, 74, "C:\\t\xB3o.bmp"}, Case{-1, 73, "1"}, Case{4, 73, "1"}}) {
        s.BackgroundMode = BackgroundMode{c.mode};
        const std::string file = FormatSettings(s);
        const std::vector<std::string> lines = Lines(file);
        ASSERT_EQ(lines.size(), c.lineCount) << "mode " << c.mode;
        EXPECT_EQ(lines[71], std::to_string(c.mode));
        EXPECT_EQ(lines[72], c.line73) << "mode " << c.mode;
        EXPECT_EQ(lines.back(), "1");
        EXPECT_EQ(file.substr(file.size() - 3), "1\r\n");
        const Settings back = Read(file);
        EXPECT_EQ(back.BackgroundMode, BackgroundMode{c.mode});
        EXPECT_TRUE(back.MonitorShutdowns) << "mode " << c.mode;
        EXPECT_EQ(FormatSettings(back), file);
    }
}

TEST(SettingsFileTest, SaveZeroesInfoWindowWithoutStartMonitoringButKeepsSecondsText) {
    Settings s;
    s.MonitorStarts = false;
    s.MonitorInfoWindow = true;
    s.MonitorInfoSeconds = "12abc";
    const std::vector<std::string> lines = Lines(FormatSettings(s));
    EXPECT_EQ(lines[6], "0");
    EXPECT_EQ(lines[7], "0");
    EXPECT_EQ(lines[8], "12abc");
    EXPECT_EQ(ParseInt(Read(FormatSettings(s)).MonitorInfoSeconds), 12);
}

TEST(SettingsFileTest, SaveCutsTextValuesAtLineBreaksSoLaterLinesKeepTheirPlace) {
    Settings s;
    s.Shortcuts[0].Text = "Notatnik\r\nextra";
    s.Shortcuts[0].Command = "a\nb";
    s.Shortcuts[0].Align = "L\rR";
    s.Shortcuts[1].Text = "x\x1Ay";
    s.ActiveColor = 255;
    s.MonitorShutdowns = true;
    const Settings back = Read(FormatSettings(s));
    EXPECT_EQ(back.Shortcuts[0].Text, "Notatnik");
    EXPECT_EQ(back.Shortcuts[0].Command, "a");
    EXPECT_EQ(back.Shortcuts[0].Align, "L");
    EXPECT_EQ(back.Shortcuts[1].Text, "x");
    EXPECT_EQ(back.ActiveColor, 255);
    EXPECT_TRUE(back.MonitorShutdowns);
}

TEST(SettingsFileTest, ShortFilesReadMissingLinesAsEmpty) {
    const Settings defaults;
    for (const std::string file : {"", "4", "4\r\n"}) {
        EXPECT_EQ(Describe(Read(file)), Describe(defaults)) << "[" << file << "]";
    }
    const Settings s = Read("4\r\n1\r\n5\r\n6\r\n1\r\n1\r\n1\r\n1\r\n30\r\nA\r\ncmd\r\nP\r\nB");
    EXPECT_EQ(s.Placement, PanelPlacement::ToolWindow);
    EXPECT_EQ(s.MonitorInfoSeconds, "30");
    EXPECT_EQ(s.Shortcuts[0].Align, "P");
    EXPECT_EQ(s.Shortcuts[1].Text, "B");
    EXPECT_EQ(s.Shortcuts[1].Command, "");
    EXPECT_EQ(s.ActiveColor, 0);
    EXPECT_EQ(s.BackgroundMode, BackgroundMode::DesktopColor);
    EXPECT_FALSE(s.MonitorShutdowns);
}

TEST(SettingsFileTest, ParseIntIsLenientAndWrapsAt32Bits) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt(" \t\v\f\r\n-7"), -7);
    EXPECT_EQ(ParseInt("+5"), 5);
    EXPECT_EQ(ParseInt("007"), 7);
    EXPECT_EQ(ParseInt("12abc"), 12);
    EXPECT_EQ(ParseInt("3 4"), 3);
    EXPECT_EQ(ParseInt(std::string("12\0" "3", 4)), 12);
    for (const char* noNumber : {"", "abc", "-", "+", "+-3", "- 3", "\xA0" "5", "0x10"}) {
        EXPECT_EQ(ParseInt(noNumber), 0) << noNumber;
    }
    EXPECT_EQ(ParseInt("2147483647"), INT32_MAX);
    EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt("2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt("4294967297"), 1);
    EXPECT_EQ(ParseInt("-4294967295"), 1);
    EXPECT_EQ(ParseInt("99999999999999999999"), 1661992959);  // (10^20 - 1) mod 2^32
    // 10^n is a multiple of 2^32 once n >= 32, so a long run of nines is -1.
    EXPECT_EQ(ParseInt(std::string(1000000, '9')), -1);
    EXPECT_EQ(ParseInt("-" + std::string(100, '9')), 1);
    EXPECT_EQ(ParseInt("1" + std::string(40, '0')), 0);
}

TEST(SettingsFileTest, TextModeLineEnds) {
    std::string lfOnly = ExampleFile();
    std::erase(lfOnly, '\r');
    EXPECT_EQ(Describe(Read(lfOnly)), Describe(Read(ExampleFile())));

    // Without LF the CR bytes are dropped, so the whole file is one line.
    std::string crOnly = ExampleFile();
    std::erase(crOnly, '\n');
    EXPECT_EQ(Lines(crOnly).size(), 1u);
    EXPECT_EQ(Describe(Read(crOnly)), Describe(Settings{}));

    EXPECT_EQ(Lines("a\r\r\nb\rc\n\r\n"), (std::vector<std::string>{"a", "bc", ""}));
    EXPECT_EQ(Lines("last line without end"), std::vector<std::string>{"last line without end"});
}

TEST(SettingsFileTest, CtrlZEndsTheData) {
    const Settings s = Read("4\r\n1\r\n900\r\n40\r\n1\x1A\r\n1\r\n1\r\n1\r\n10\r\n");
    EXPECT_EQ(s.PosY, 40);
    EXPECT_TRUE(s.HoverHighlight);
    EXPECT_FALSE(s.ClockSeconds);
    EXPECT_EQ(s.MonitorInfoSeconds, "");

    // Nothing after the Ctrl-Z is asked of the source.
    int calls = 0;
    LineReader reader([&calls](char* buf, size_t cap) -> size_t {
        if (++calls > 1) {
            ADD_FAILURE() << "source read after Ctrl-Z";
            return 0;
        }
        const std::string chunk = "a\nb\x1A" "c\n";
        std::copy_n(chunk.data(), std::min(cap, chunk.size()), buf);
        return std::min(cap, chunk.size());
    });
    EXPECT_EQ(reader.Next(), "a");
    EXPECT_EQ(reader.Next(), "b");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.Next(), "");
    EXPECT_EQ(reader.Next(), "");
    EXPECT_EQ(calls, 1);
}

TEST(SettingsFileTest, NulBytesAreKeptInTexts) {
    const std::string text("_NIC\0x", 6);
    const Settings s = Read(WithLine(10, text));
    EXPECT_EQ(s.Shortcuts[0].Text, text);
    EXPECT_FALSE(IsUnusedSlotText(s.Shortcuts[0].Text));
    EXPECT_EQ(s.Shortcuts[0].Command, "notepad.exe");
    EXPECT_EQ(FormatSettings(s), WithLine(10, text));
}

TEST(SettingsFileTest, MegabyteLineIsOneValueAndLaterLinesKeepTheirPlace) {
    const std::string longText(1 << 20, 'q');
    const Settings s = Read(WithLine(11, longText));
    EXPECT_TRUE(s.Shortcuts[0].Command == longText);
    EXPECT_EQ(s.Shortcuts[0].Align, "L");
    EXPECT_EQ(s.Shortcuts[1].Text, "_ZEGAR");
    EXPECT_EQ(s.ActiveColor, 16711935);
    EXPECT_EQ(s.BackgroundPicture, "C:\\Obrazy\\tlo.bmp");
}

TEST(SettingsFileTest, TenMegabytesOfJunkReadQuickly) {
    std::mt19937 random(7);
    std::string junk(10 << 20, '\0');
    for (char& byte : junk) {
        byte = static_cast<char>('!' + random() % 90);
    }
    const auto start = std::chrono::steady_clock::now();
    LineReader reader = LineReader::FromText(junk);
    EXPECT_TRUE(reader.Next() == junk);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(Describe(Read(junk)), Describe(Settings{}));
    for (size_t at = 1000; at < junk.size(); at += 9973) {
        junk[at] = '\n';
    }
    const Settings s = Read(junk);
    EXPECT_EQ(s.Shortcuts[0].Text.size(), 9972u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

// Chunk edges may fall anywhere, between a CR and its LF or on a Ctrl-Z.
TEST(SettingsFileTest, SmallReadsGiveTheSameResultAsWholeText) {
    std::mt19937 random(11);
    std::string binary(200000, '\0');
    for (char& byte : binary) {
        byte = static_cast<char>(random() % 256);
    }
    std::string binaryWithoutCtrlZ = binary;
    std::replace(binaryWithoutCtrlZ.begin(), binaryWithoutCtrlZ.end(), '\x1A', '\n');
    const std::string ctrlZ = "4\r\n1\r\n2\r\n3\r\n\x1A" "4\r\n";
    for (const std::string& file : {ExampleFile(), ctrlZ, binary, binaryWithoutCtrlZ}) {
        const std::vector<std::string> whole = Lines(file);
        for (size_t piece : {1u, 2u, 7u}) {
            LineReader reader(PiecewiseSource(file, piece));
            std::vector<std::string> pieces;
            while (!reader.AtEnd()) {
                pieces.push_back(reader.Next());
            }
            EXPECT_EQ(pieces, whole) << "pieces of " << piece;
            for (SettingsReader who : {SettingsReader::Panel, SettingsReader::Dialog}) {
                LineReader forWhole = LineReader::FromText(file);
                LineReader forPieces(PiecewiseSource(file, piece));
                EXPECT_EQ(Describe(ReadSettings(forPieces, who)), Describe(ReadSettings(forWhole, who)));
            }
        }
    }
}

TEST(SettingsFileTest, DialogClampsModeAndPlacementWherePanelTakesThemAsRead) {
    // Mode 5: the panel reads no line 73, so the path there is its shutdown
    // line; the dialog shows the last item and takes line 73 as the picture.
    const Settings panel5 = Read(WithLine(72, "5"));
    const Settings dialog5 = Read(WithLine(72, "5"), SettingsReader::Dialog);
    EXPECT_EQ(panel5.BackgroundMode, BackgroundMode{5});
    EXPECT_EQ(panel5.BackgroundPicture, "");
    EXPECT_EQ(dialog5.BackgroundMode, BackgroundMode{3});
    EXPECT_EQ(dialog5.BackgroundPicture, "C:\\Obrazy\\tlo.bmp");
    const std::string shutdownOn73 = WithLines({{72, "5"}, {73, "1"}});
    EXPECT_TRUE(Read(shutdownOn73).MonitorShutdowns);
    EXPECT_FALSE(Read(shutdownOn73, SettingsReader::Dialog).MonitorShutdowns);
    EXPECT_EQ(Read(shutdownOn73, SettingsReader::Dialog).BackgroundPicture, "1");

    const Settings panelMinus = Read(WithLine(72, "-5"));
    const Settings dialogMinus = Read(WithLine(72, "-5"), SettingsReader::Dialog);
    EXPECT_EQ(panelMinus.BackgroundMode, BackgroundMode{-5});
    EXPECT_EQ(dialogMinus.BackgroundMode, BackgroundMode{-1});
    EXPECT_EQ(dialogMinus.BackgroundPicture, "");

    for (const auto& [line, panelValue, dialogValue] :
         {std::tuple{"7", 7, 1}, std::tuple{"-3", -3, -1}, std::tuple{"-1", -1, -1}, std::tuple{"0", 0, 0}}) {
        EXPECT_EQ(Read(WithLine(2, line)).Placement, PanelPlacement{panelValue});
        EXPECT_EQ(Read(WithLine(2, line), SettingsReader::Dialog).Placement, PanelPlacement{dialogValue});
    }
}

TEST(SettingsFileTest, InfoWindowFlagNeedsStartMonitoringOnlyInTheDialog) {
    const std::string file = WithLine(7, "0");
    EXPECT_TRUE(Read(file).MonitorInfoWindow);
    EXPECT_FALSE(Read(file, SettingsReader::Dialog).MonitorInfoWindow);
}

TEST(SettingsFileTest, OnlyExactlyOneSwitchesShutdownLoggingOn) {
    for (SettingsReader who : {SettingsReader::Panel, SettingsReader::Dialog}) {
        EXPECT_TRUE(Read(WithLine(74, "1"), who).MonitorShutdowns);
        EXPECT_TRUE(Read(WithLine(74, " +1x"), who).MonitorShutdowns);
        EXPECT_FALSE(Read(WithLine(74, "2"), who).MonitorShutdowns);
        EXPECT_FALSE(Read(WithLine(74, "-1"), who).MonitorShutdowns);
        EXPECT_FALSE(Read(WithLine(74, "tak"), who).MonitorShutdowns);
        EXPECT_TRUE(Read(WithLine(5, "2"), who).HoverHighlight);
        EXPECT_TRUE(Read(WithLine(6, "-1"), who).ClockSeconds);
    }
}

TEST(SettingsFileTest, KeywordSlotsKeepAllTheirTexts) {
    const std::string unused = WithLine(10, "_NIC");
    for (SettingsReader who : {SettingsReader::Panel, SettingsReader::Dialog}) {
        const Settings s = Read(unused, who);
        EXPECT_EQ(s.Shortcuts[0].Command, "notepad.exe");
        EXPECT_EQ(s.Shortcuts[0].Align, "L");
        EXPECT_EQ(FormatSettings(s), unused);
    }
    EXPECT_TRUE(IsUnusedSlotText("_NIC"));
    EXPECT_TRUE(IsUnusedSlotText(""));
    EXPECT_FALSE(IsUnusedSlotText("_nic"));
    EXPECT_FALSE(IsUnusedSlotText("_NIC "));
    EXPECT_FALSE(IsUnusedSlotText("_ZEGAR"));
}

}  // namespace
}  // namespace velk
