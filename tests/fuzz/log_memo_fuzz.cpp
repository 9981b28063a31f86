// index.asc as the launch list shows it: the log's lines, whatever ends them
// (CR LF, CR, LF), joined by CR LF with no line end after the last, and
// nothing else of the log lost or added.
#include <string>

#include "fuzz_support.h"
#include "core/launch_log.h"

namespace {

// Line ends as the log may hold them: CR LF counts once.
size_t LineEnds(std::string_view text) {
    size_t ends = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
        ends += text[at] == '\r' || text[at] == '\n';
    }
    return ends;
}

std::string WithoutLineEnds(std::string_view text) {
    std::string rest;
    for (char c : text)
        if (c != '\r' && c != '\n') rest += c;
    return rest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using velk::fuzz::Require;
    const std::string_view log = velk::fuzz::Bytes(data, size);
    const std::string memo = velk::LogToMemoText(log);
    for (size_t at = 0; at < memo.size(); ++at) {
        if (memo[at] == '\r') Require(at + 1 < memo.size() && memo[at + 1] == '\n', "CR only before LF");
        if (memo[at] == '\n') Require(at > 0 && memo[at - 1] == '\r', "LF only after CR");
    }
    const bool endsWithLineEnd = !log.empty() && (log.back() == '\r' || log.back() == '\n');
    Require(LineEnds(memo) == LineEnds(log) - (endsWithLineEnd ? 1 : 0), "one CR LF per line end but the last");
    Require(WithoutLineEnds(memo) == WithoutLineEnds(log), "the lines' texts unchanged");
    return 0;
}
