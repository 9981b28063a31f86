#include "app/drop_slots.h"

#include "app/panel_text.h"

namespace velk {

int SlotAtHeight(int y, int dpi) {
    if (y >= LabelPlaceAt(kSlotCount - 1, dpi).bottom) return -1;
    int slot = kSlotCount - 1;
    while (slot > 0 && y < LabelPlaceAt(slot, dpi).top) --slot;
    return slot;
}

int SlotForDrop(const std::array<ShortcutEntry, kSlotCount>& slots, int line) {
    // From the line down, then on from the top.
    for (int step = 0; step < kSlotCount; ++step) {
        const int slot = (line < 0 ? step : line + step) % kSlotCount;
        if (IsUnusedSlotText(slots[static_cast<size_t>(slot)].Text)) return slot;
    }
    return -1;
}

}  // namespace velk
