#include "core/line_reader.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace velk {

namespace {

// Large enough that a file is read in a few calls, small enough that a huge
// or hostile file never sits in memory as a whole beside the line it holds.
constexpr size_t kChunkSize = 64 * 1024;

constexpr char kEndOfFile = '\x1A';  // Ctrl-Z ends the data in text mode

}  // namespace

LineReader::LineReader(Source source) : source_(std::move(source)) {
    // Reading ahead to the first byte keeps AtEnd() true for empty data
    // before any line has been asked for.
    while (pos_ >= buffer_.size() && Fill()) {
    }
}

LineReader LineReader::FromText(std::string text) {
    size_t given = 0;
    return LineReader([text = std::move(text), given](char* buf, size_t cap) mutable {
        const size_t count = std::min(cap, text.size() - given);
        std::copy_n(text.data() + given, count, buf);
        given += count;
        return count;
    });
}

std::string LineReader::Next() {
    std::string line;
    while (pos_ < buffer_.size() || Fill()) {
        const size_t lineEnd = buffer_.find('\n', pos_);
        if (lineEnd != std::string::npos) {
            line.append(buffer_, pos_, lineEnd - pos_);
            pos_ = lineEnd + 1;
            break;
        }
        line.append(buffer_, pos_);
        pos_ = buffer_.size();
    }
    while (pos_ >= buffer_.size() && Fill()) {
    }
    return line;
}

bool LineReader::AtEnd() const {
    return ended_ && pos_ >= buffer_.size();
}

// Replaces the consumed buffer with the next chunk, CR bytes dropped and cut
// at a Ctrl-Z. Gives false once the data has ended; the chunk it gives may be
// empty when it held only CR bytes.
bool LineReader::Fill() {
    if (ended_) {
        return false;
    }
    // Sized once: a source that gives a byte per call must not cost a
    // chunk-sized fill per byte.
    chunk_.resize(kChunkSize);
    const size_t count = std::min(source_(chunk_.data(), chunk_.size()), chunk_.size());
    buffer_.clear();
    pos_ = 0;
    if (count == 0) {
        ended_ = true;
        return false;
    }
    for (const char byte : std::string_view(chunk_.data(), count)) {
        if (byte == kEndOfFile) {
            ended_ = true;
            break;
        }
        if (byte != '\r') {
            buffer_.push_back(byte);
        }
    }
    return true;
}

}  // namespace velk
