#pragma once
// The keyboard's mark over the panel's lines: which line Up, Down, Home, End
// and a typed first letter lead to. Only used lines take the mark (clock and
// date lines too); hidden slots are passed over. No Windows header.
#include <array>
#include <string>

#include "settings/settings_file.h"

namespace velk {

inline constexpr int kNoMark = -1;

enum class MarkMove { Up, Down, First, Last };

using UsedLines = std::array<bool, kSlotCount>;

// The line the move leads to; from no mark, Down and Home lead to the first
// used line and Up and End to the last. The mark stays at the ends, and
// there is none without a used line.
int MoveMark(const UsedLines& used, int mark, MarkMove move);

// The next used line after the mark (wrapping round, the marked line last)
// whose text, in code page 1250, begins with the letter, compared without
// regard to case (Polish letters too); the mark as it was if none does.
int MarkByLetter(const std::array<std::string, kSlotCount>& texts, const UsedLines& used, int mark, char letter);

// The letter in lower case, code page 1250.
char LowerCp1250(char letter);

}  // namespace velk
