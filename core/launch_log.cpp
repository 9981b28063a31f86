#include "core/launch_log.h"

#include <array>

#include "core/decimal.h"

namespace velk {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Plain decimal, no padding: "9", never "09". std::to_string ignores the
// locale, so no digit grouping can creep in.
std::string DateTimeText(const RecordTime& t, std::string_view between) {
    std::string text;
    text += std::to_string(t.Day);
    text += '.';
    text += std::to_string(t.Month);
    text += '.';
    text += std::to_string(t.Year);
    text += between;
    text += std::to_string(t.Hour);
    text += ':';
    text += std::to_string(t.Minute);
    text += ':';
    text += std::to_string(t.Second);
    return text;
}

std::string RecordLine(std::string_view prefix, const RecordTime& t) {
    std::string line(prefix);
    line += DateTimeText(t, " o ");
    line += kLineEnd;
    return line;
}

// Reads one integer as a C stream would: blanks skipped, an optional sign,
// then at least one digit. Advances pos past it; nullopt when there is no
// number or it does not fit an int.
std::optional<int> ReadInt(std::string_view text, size_t& pos) {
    while (pos < text.size() && IsCSpace(text[pos])) ++pos;
    const DecimalRun run = ReadDecimal(text.substr(pos));
    pos += run.length;
    return run.exact;
}

}  // namespace

std::string StartRecordLine(const RecordTime& t) {
    return RecordLine("w\xB3. ", t);
}

std::string ShutdownRecordLine(const RecordTime& t) {
    return RecordLine("wy\xB3. ", t);
}

std::string LastStartFileText(const RecordTime& t) {
    std::string text;
    for (int value : {t.Day, t.Month, t.Year, t.Hour, t.Minute, t.Second}) {
        if (!text.empty()) text += ' ';
        text += std::to_string(value);
    }
    text += kLineEnd;
    return text;
}

std::optional<RecordTime> ParseLastStart(std::string_view text) {
    std::array<int, 6> values{};
    size_t pos = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        // "1 2 2000 7 8-9" is not six numbers of the file's form, so each
        // number after the first must stand after white space.
        if (i > 0 && (pos >= text.size() || !IsCSpace(text[pos]))) {
            return std::nullopt;
        }
        const std::optional<int> value = ReadInt(text, pos);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    return RecordTime{values[0], values[1], values[2],
                      values[3], values[4], values[5]};
}

std::string WindowTimeText(const RecordTime& t) {
    return DateTimeText(t, " godzina ");
}

std::string LogToMemoText(std::string_view log) {
    // A one-byte line end grows to CR LF, so this bounds the memo text and
    // a log of many years is copied once, without regrowth.
    size_t lineEndBytes = 0;
    for (char c : log) lineEndBytes += (c == '\r' || c == '\n');
    std::string memo;
    memo.reserve(log.size() + lineEndBytes);

    size_t pos = 0;
    while (pos < log.size()) {
        const size_t end = log.find_first_of(kLineEnd, pos);
        if (end == std::string_view::npos) {
            memo.append(log.substr(pos));
            break;
        }
        memo.append(log.substr(pos, end - pos));
        pos = end + 1;
        if (log[end] == '\r' && pos < log.size() && log[pos] == '\n') ++pos;
        // The memo takes no line end after its last line.
        if (pos < log.size()) memo.append(kLineEnd);
    }
    return memo;
}

}  // namespace velk
