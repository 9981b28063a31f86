// velk.ini as anyone may have left it: both readers take any bytes, the
// text-mode reading gives the same lines whatever sizes the file arrives in,
// and what the save writes from a read record is a fixed point of reading
// and saving again, 73 or 74 lines each ended by CR LF.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "settings/settings_file.h"

namespace {

using namespace velk;
using velk::fuzz::Require;

std::vector<std::string> AllLines(LineReader reader) {
    std::vector<std::string> lines;
    while (!reader.AtEnd()) lines.push_back(reader.Next());
    return lines;
}

// Hands the text out in pieces of 1, 2, 3 ... bytes, as a file read may.
LineReader Trickling(std::string_view text) {
    size_t given = 0;
    size_t piece = 0;
    return LineReader([text, given, piece](char* buf, size_t cap) mutable {
        piece = piece % 7 + 1;
        const size_t count = std::min({cap, piece, text.size() - given});
        std::copy_n(text.data() + given, count, buf);
        given += count;
        return count;
    });
}

void CheckSavedForm(const std::string& saved, SettingsReader who) {
    const size_t lines = static_cast<size_t>(std::count(saved.begin(), saved.end(), '\n'));
    Require(lines == 73 || lines == 74, "73 or 74 lines");
    Require(std::count(saved.begin(), saved.end(), '\r') == static_cast<long>(lines), "one CR per line");
    Require(saved.find('\x1A') == std::string::npos, "no Ctrl-Z");
    for (size_t end = saved.find('\n'); end != std::string::npos; end = saved.find('\n', end + 1))
        Require(end > 0 && saved[end - 1] == '\r', "every line ended by CR LF");
    LineReader again = LineReader::FromText(saved);
    Require(FormatSettings(ReadSettings(again, who)) == saved, "saving a read file is a fixed point");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = velk::fuzz::Bytes(data, size);
    Require(AllLines(Trickling(bytes)) == AllLines(LineReader::FromText(std::string(bytes))),
            "the same lines whatever the read sizes");
    for (SettingsReader who : {SettingsReader::Panel, SettingsReader::Dialog}) {
        LineReader reader = LineReader::FromText(std::string(bytes));
        CheckSavedForm(FormatSettings(ReadSettings(reader, who)), who);
    }
    return 0;
}
