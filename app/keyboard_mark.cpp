#include "app/keyboard_mark.h"

namespace velk {

namespace {

int FirstUsed(const UsedLines& used, int from, int step) {
    for (int line = from; line >= 0 && line < kSlotCount; line += step)
        if (used[static_cast<size_t>(line)]) return line;
    return kNoMark;
}

}  // namespace

int MoveMark(const UsedLines& used, int mark, MarkMove move) {
    const bool marked = mark >= 0 && mark < kSlotCount;
    int found = kNoMark;
    switch (move) {
    case MarkMove::First: found = FirstUsed(used, 0, 1); break;
    case MarkMove::Last: found = FirstUsed(used, kSlotCount - 1, -1); break;
    case MarkMove::Down: found = marked ? FirstUsed(used, mark + 1, 1) : FirstUsed(used, 0, 1); break;
    case MarkMove::Up: found = marked ? FirstUsed(used, mark - 1, -1) : FirstUsed(used, kSlotCount - 1, -1); break;
    }
    return found != kNoMark || !marked ? found : mark;
}

char LowerCp1250(char letter) {
    const auto byte = static_cast<unsigned char>(letter);
    if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + 0x20);
    // Ą Ł Ş Ż Ľ and Š Ś Ť Ž Ź stand apart from their small letters; the
    // letters from 0xC0 (but the multiplication sign) are 0x20 below theirs.
    switch (byte) {
    case 0xA5: return static_cast<char>(0xB9);
    case 0xA3: return static_cast<char>(0xB3);
    case 0xAA: return static_cast<char>(0xBA);
    case 0xAF: return static_cast<char>(0xBF);
    case 0xBC: return static_cast<char>(0xBE);
    case 0x8A:
    case 0x8C:
    case 0x8D:
    case 0x8E:
    case 0x8F: return static_cast<char>(byte + 0x10);
    default: break;
    }
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<char>(byte + 0x20);
    return letter;
}

int MarkByLetter(const std::array<std::string, kSlotCount>& texts, const UsedLines& used, int mark, char letter) {
    const char wanted = LowerCp1250(letter);
    const int start = mark >= 0 && mark < kSlotCount ? mark : kSlotCount - 1;
    for (int step = 1; step <= kSlotCount; ++step) {
        const auto line = static_cast<size_t>((start + step) % kSlotCount);
        if (used[line] && !texts[line].empty() && LowerCp1250(texts[line][0]) == wanted) return static_cast<int>(line);
    }
    return mark;
}

}  // namespace velk
