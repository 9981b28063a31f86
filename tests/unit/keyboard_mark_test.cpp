#include "app/keyboard_mark.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

// Lines 3, 4 (the clock), 8 and 15 used; the others hidden or unused.
UsedLines SomeUsed() {
    UsedLines used{};
    for (int line : {2, 3, 7, 14}) used[static_cast<size_t>(line)] = true;
    return used;
}

TEST(KeyboardMark, MovesOverUsedLinesOnlyAndStaysAtTheEnds) {
    const UsedLines used = SomeUsed();
    const struct {
        int mark;
        MarkMove move;
        int expected;
    } cases[] = {
        {kNoMark, MarkMove::Down, 2},  {kNoMark, MarkMove::Up, 14},  {kNoMark, MarkMove::First, 2},
        {kNoMark, MarkMove::Last, 14}, {2, MarkMove::Down, 3},       {3, MarkMove::Down, 7},
        {7, MarkMove::Down, 14},       {14, MarkMove::Down, 14},     {14, MarkMove::Up, 7},
        {2, MarkMove::Up, 2},          {7, MarkMove::First, 2},      {3, MarkMove::Last, 14},
        {5, MarkMove::Down, 7},        {5, MarkMove::Up, 3},  // a mark whose line went hidden
    };
    for (const auto& test : cases)
        EXPECT_EQ(MoveMark(used, test.mark, test.move), test.expected)
            << "from " << test.mark << " by " << static_cast<int>(test.move);
    for (MarkMove move : {MarkMove::Up, MarkMove::Down, MarkMove::First, MarkMove::Last})
        EXPECT_EQ(MoveMark(UsedLines{}, kNoMark, move), kNoMark) << "no used line, no mark";
}

TEST(KeyboardMark, AFirstLetterJumpsToTheNextLineBeginningWithItWhateverItsCase) {
    std::array<std::string, kSlotCount> texts{};
    texts[2] = "\xA3\xF3" "d\x9F";     // "Łódź"
    texts[3] = "12:00";
    texts[7] = "\xB3\xB9" "ka";       // "łąka"
    texts[14] = "Notatnik";
    texts[16] = "Nieu\xBFywany";      // hidden: never marked
    const UsedLines used = SomeUsed();
    EXPECT_EQ(MarkByLetter(texts, used, kNoMark, '\xB3'), 2) << "ł finds Ł first";
    EXPECT_EQ(MarkByLetter(texts, used, 2, '\xA3'), 7) << "Ł then finds ł";
    EXPECT_EQ(MarkByLetter(texts, used, 7, '\xB3'), 2) << "round to the first";
    EXPECT_EQ(MarkByLetter(texts, used, 14, 'n'), 14) << "the marked line itself comes last";
    EXPECT_EQ(MarkByLetter(texts, used, 3, 'x'), 3) << "no such line: the mark stays";
    EXPECT_EQ(MarkByLetter(texts, used, kNoMark, '1'), 3);

    // Every capital of the code page's Polish and Central European letters.
    const struct {
        unsigned char upper, lower;
    } pairs[] = {{0xA5, 0xB9}, {0xC6, 0xE6}, {0xCA, 0xEA}, {0xA3, 0xB3}, {0xD1, 0xF1}, {0xD3, 0xF3},
                 {0x8C, 0x9C}, {0x8F, 0x9F}, {0xAF, 0xBF}, {0x8A, 0x9A}, {0xBC, 0xBE}, {'Q', 'q'}};
    for (const auto& pair : pairs) {
        EXPECT_EQ(LowerCp1250(static_cast<char>(pair.upper)), static_cast<char>(pair.lower)) << int{pair.upper};
        EXPECT_EQ(LowerCp1250(static_cast<char>(pair.lower)), static_cast<char>(pair.lower)) << int{pair.lower};
    }
    EXPECT_EQ(LowerCp1250('\xD7'), '\xD7') << "the multiplication sign has no small letter";
}

}  // namespace
}  // namespace velk
