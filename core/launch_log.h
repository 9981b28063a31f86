#pragma once
// The launch log's two files and the texts of the last-launch window.
// All texts are code-page-1250 bytes.
#include <optional>
#include <string>
#include <string_view>

namespace velk {

// The two files' names in the program's folder: the log of every start and
// shutdown, and the last start alone.
inline constexpr wchar_t kLaunchLogFileName[] = L"index.asc";
inline constexpr wchar_t kLastStartFileName[] = L"ostatnio.asc";

struct RecordTime {
    int Day = 0;
    int Month = 0;
    int Year = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// "wł. 5.1.2000 o 9:5:3\r\n" with "ł" as byte 0xB3.
std::string StartRecordLine(const RecordTime& t);
// "wył. 31.12.2000 o 23:59:58\r\n".
std::string ShutdownRecordLine(const RecordTime& t);

// ostatnio.asc: "5 1 2000 9 5 3\r\n".
std::string LastStartFileText(const RecordTime& t);
// Six decimal integers separated by white space, in file order; nullopt
// when the text does not hold six of them.
std::optional<RecordTime> ParseLastStart(std::string_view text);

// "5.1.2000 godzina 9:5:3", the form of both texts of the last-launch window.
std::string WindowTimeText(const RecordTime& t);
// What LastLabel shows when there is no usable previous start.
inline constexpr std::string_view kNoDataText = "Brak danych";

// The log's lines (ending at CR LF, CR or LF) joined by CR LF for a
// multi-line edit, without a line end after the last line.
std::string LogToMemoText(std::string_view log);

}  // namespace velk
