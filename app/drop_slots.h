#pragma once
// Where files dropped on the panel go: the line they were dropped on and
// the unused slot each fills from there.
#include <array>

#include "settings/settings_file.h"

namespace velk {

// The slot whose line holds a height of the panel's client area at a dpi:
// a line reaches from its top to the next one's; -1 below the last line.
int SlotAtHeight(int y, int dpi);

// The slot the next dropped file fills: the first unused one at or below
// the line (-1: below the last line), or else the first unused one; -1
// when every slot is used.
int SlotForDrop(const std::array<ShortcutEntry, kSlotCount>& slots, int line);

}  // namespace velk
