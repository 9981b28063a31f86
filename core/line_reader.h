#pragma once
// Reads 8-bit text the way velk.ini has always been read: text mode, so every
// CR byte is dropped, LF ends a line and a Ctrl-Z byte ends the file.
#include <cstddef>
#include <functional>
#include <string>

namespace velk {

class LineReader {
public:
    // Fills buf with up to cap bytes and returns how many it gave; 0 means
    // the end of the data.
    using Source = std::function<size_t(char* buf, size_t cap)>;

    explicit LineReader(Source source);
    static LineReader FromText(std::string text);

    // The next line without its line end, whole however long. Once the data
    // has ended every further call gives the empty text.
    std::string Next();
    bool AtEnd() const;

private:
    bool Fill();

    Source source_;
    std::string chunk_;   // raw bytes of one call of the source
    std::string buffer_;  // the chunk as text: CR dropped, cut at Ctrl-Z
    size_t pos_ = 0;
    bool ended_ = false;
};

}  // namespace velk
