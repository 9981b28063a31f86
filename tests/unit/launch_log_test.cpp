#include "core/launch_log.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velk {
namespace {

constexpr RecordTime kMorning{5, 1, 2000, 9, 5, 3};
constexpr RecordTime kNewYearsEve{31, 12, 2000, 23, 59, 58};
constexpr RecordTime kNewCentury{1, 1, 2001, 8, 4, 9};

TEST(LaunchLogText, RecordsUsePlainDecimalAndEndInCrLf) {
    EXPECT_EQ(StartRecordLine(kMorning), "w\xB3. 5.1.2000 o 9:5:3\r\n");
    EXPECT_EQ(LastStartFileText(kMorning), "5 1 2000 9 5 3\r\n");
    EXPECT_EQ(WindowTimeText(kMorning), "5.1.2000 godzina 9:5:3");

    EXPECT_EQ(ShutdownRecordLine(kNewYearsEve),
              "\x77\x79\xB3\x2E\x20" "31.12.2000 o 23:59:58\r\n");
    EXPECT_EQ(WindowTimeText(kNewYearsEve), "31.12.2000 godzina 23:59:58");

    EXPECT_EQ(StartRecordLine(kNewCentury), "w\xB3. 1.1.2001 o 8:4:9\r\n");
    EXPECT_EQ(LastStartFileText(kNewCentury), "1 1 2001 8 4 9\r\n");
    EXPECT_EQ(WindowTimeText(kNewCentury), "1.1.2001 godzina 8:4:9");
}

std::string WindowTextOf(std::string_view fileText) {
    const std::optional<RecordTime> t = ParseLastStart(fileText);
    return t ? WindowTimeText(*t) : "none";
}

TEST(LaunchLogText, LastStartReadsSixIntegersAsAStreamWould) {
    EXPECT_EQ(WindowTextOf(LastStartFileText(kNewYearsEve)),
              "31.12.2000 godzina 23:59:58");
    EXPECT_EQ(WindowTextOf("1 2 2000 7 8 9"), "1.2.2000 godzina 7:8:9");
    EXPECT_EQ(WindowTextOf("\r\n\t 1\n2   2000\r\n7\v8\f9"),
              "1.2.2000 godzina 7:8:9");
    EXPECT_EQ(WindowTextOf("1 2 2000 7 8 9junk\r\n10 11"),
              "1.2.2000 godzina 7:8:9");
    EXPECT_EQ(WindowTextOf("01 +2 0002000 -7 8 9"), "1.2.2000 godzina -7:8:9");
    EXPECT_EQ(WindowTextOf("2147483647 -2147483648 0 0 0 0"),
              "2147483647.-2147483648.0 godzina 0:0:0");
}

TEST(LaunchLogText, LastStartWithoutSixIntegersIsRejected) {
    for (std::string_view bad :
         {"", " \r\n", "1 2 2000 7 8", "1 2 2000 7 8\r\n", "a b c d e f",
          "1 2 2000 7 8 x", "1 2 2000 7 8 +", "1 2 2000 7 8 - 9",
          "1 2 2000 7 8-9", "1,2,2000,7,8,9", "2147483648 1 2000 7 8 9",
          "1 -2147483649 2000 7 8 9", "1 2 99999999999999999999 7 8 9"}) {
        EXPECT_FALSE(ParseLastStart(bad)) << '"' << bad << '"';
    }
}

TEST(LaunchLogText, MemoTextJoinsEveryKindOfLineEndWithCrLf) {
    EXPECT_EQ(LogToMemoText(""), "");
    EXPECT_EQ(LogToMemoText("w\xB3. 1\r\nwy\xB3. 2\r\nw\xB3. 3\r\n"),
              "w\xB3. 1\r\nwy\xB3. 2\r\nw\xB3. 3");
    EXPECT_EQ(LogToMemoText("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(LogToMemoText("a\n\nb\r\r\nc\n"), "a\r\n\r\nb\r\n\r\nc");
    EXPECT_EQ(LogToMemoText("a\n\r"), "a\r\n");
    EXPECT_EQ(LogToMemoText("\r\n"), "");
}

TEST(LaunchLogText, MemoTextOfALongLogKeepsEveryLine) {
    constexpr int kLines = 100000;
    std::string log;
    for (int i = 0; i < kLines; ++i) {
        log += StartRecordLine({28, 12, 2000 + i % 100, 23, 59, 58});
    }
    // "w\xB3. 28.12.2000 o 23:59:58\r\n": 4 + 10 + 3 + 8 + 2 = 27 bytes a line.
    EXPECT_EQ(log.size(), 2'700'000u);

    // Every line end stays CR LF but the last, which goes.
    const std::string memo = LogToMemoText(log);
    EXPECT_EQ(memo.size(), 2'699'998u);
    EXPECT_EQ(std::count(memo.begin(), memo.end(), '\n'), kLines - 1);
    EXPECT_TRUE(memo.ends_with("\nw\xB3. 28.12.2099 o 23:59:58"));
}

}  // namespace
}  // namespace velk
